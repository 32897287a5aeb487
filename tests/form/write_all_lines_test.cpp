#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "tests/form/write_all_cases.h"

namespace dtu {
namespace {

using Lines = std::vector<std::string>;
using enum Firmware;

// The data lines of the worked example in the full and the compact view.
const Lines kDataFull = {
    "AT+CIPCFG=1,51,0,12,0,1801",
    "AT+CIPPACK=0,\"4842\",\"1\"",
    "AT+CIPPACK=1,\"ABCD\",\"1\"",
    "AT+CIPSCONT=1,\"UDP\",\"h1\", 1,1",
    "AT+CIPSCONT=2,\"UDP\",\"h2\", 2,0",
    "AT+CIPSCONT=3,\"TCP\",\"h3\", 3,1",
    "AT+CIPSCONT=4,\"UDP\",\"h4\", 4,1",
    "AT+CICOMAT=1",
    "AT+CINETAT=0",
};
const Lines kDataCompact = {
    "AT+CIPCFG=1,51,0,12,0,1800",
    "AT+CIPPACK=0,\"4842\",0",
    "AT+CIPPACK=1,\"ABCD\",0",
    "AT+CIPSCONT=1,\"UDP\",\"h1\", 1,1",
    "AT+CIPSCONT=2,\"TCP\",\"dtu.example.net\", 2317,0",
    "AT+CIPSCONT=3,\"TCP\",\"dtu.example.net\", 2317,0",
    "AT+CIPSCONT=4,\"TCP\",\"dtu.example.net\", 2317,0",
    "AT+CICOMAT=0",
    "AT+CINETAT=0",
};
const Lines kHttp = {
    "AT+CIPCFG=1,0,0,50,0,0",
    "AT+CIPPACK=0,\"\",0",
    "AT+CIPPACK=1,\"\",0",
    "AT+CIPSCONT=1,\"TCP\",\"web\", 80,1",
};
// Every case ends so, after its work mode.
const Lines kApnUartAndSave = {"AT+CSTT=\"apn\",\"u\",\"p\"", "AT+ICF=4,1", "AT+CIPR=57600", "ATW"};

constexpr int kBothViews[] = {kFullView, kCompactView};
constexpr int kFull[] = {kFullView};
constexpr int kCompact[] = {kCompactView};
constexpr Firmware kBeforeCloud[] = {Family0, Family1};
constexpr Firmware kEvery[] = {Family0, Family1, Family2, Family2CloudOn};

struct Case {
    int workMode;
    std::span<const int> views;
    std::span<const Firmware> firmware;
    std::vector<Lines> parts;  // between the version query and the APN, joined
};

// Every work mode, view and firmware case: 40 write-alls, written out line for line.
const Case kCases[] = {
    {0, kFull, kBeforeCloud, {kDataFull, {"AT+CIMOD=\"0\""}}},
    {0,
     kFull,
     std::span(kEvery).subspan(2, 1),
     {kDataFull, {"AT+CLOUDEN=OFF", "AT+CACHE=1", "AT+RESOC=91", "AT+CIMOD=\"0\""}}},
    {0,
     kFull,
     std::span(kEvery).subspan(3, 1),
     {kDataFull,
      {"AT+CLOUDEN=ON", "AT+CLOUDID=777", "AT+CLOUDPA=pw", "AT+CACHE=1", "AT+RESOC=91",
       "AT+CIMOD=\"0\""}}},
    {0, kCompact, kBeforeCloud, {kDataCompact, {"AT+CIMOD=\"0\""}}},
    {0,
     kCompact,
     std::span(kEvery).subspan(2),
     {kDataCompact, {"AT+CLOUDEN=OFF", "AT+CACHE=0", "AT+RESOC=5", "AT+CIMOD=\"0\""}}},
    {1, kBothViews, kEvery, {{"AT+CIMOD=\"1\""}}},
    {2, kBothViews, kEvery, {{"AT+CIMOD=\"2\""}}},
    {3, kBothViews, kBeforeCloud, {kHttp, {"AT+CIMOD=\"3\""}}},
    {3,
     kBothViews,
     std::span(kEvery).subspan(2),
     {kHttp, {"AT+HTPURL=/u", "AT+HTPHD=H: 1\r\nI: 2", "AT+HTPTP=POST", "AT+CIMOD=\"3\""}}},
    {4, kBothViews, kEvery, {{"AT+CIPNUM=+8613800138000", "AT+CIMOD=\"4\""}}},
};

TEST(WriteAllLines, EveryWorkModeViewAndFirmware) {
    int combinations = 0;
    for (const Case& c : kCases) {
        Lines expected = {"AT+CIVER?\r\n"};
        for (const Lines& part : c.parts) {
            for (const std::string& line : part) {
                expected.push_back(line + "\r\n");
            }
        }
        for (const std::string& line : kApnUartAndSave) {
            expected.push_back(line + "\r\n");
        }
        for (int view : c.views) {
            for (Firmware firmware : c.firmware) {
                SCOPED_TRACE(std::to_string(c.workMode) + "/" + std::to_string(view) + "/" +
                             std::to_string(static_cast<int>(firmware)));
                EXPECT_EQ(WriteAllFor(EveryValueItsOwn(c.workMode, view, firmware), firmware),
                          expected);
                ++combinations;
            }
        }
    }
    EXPECT_EQ(combinations, 40);
}

}  // namespace
}  // namespace dtu
