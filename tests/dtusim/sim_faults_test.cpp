#include "tools/dtusim/sim_faults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace dtu::sim {
namespace {

using namespace std::string_literals;

struct ShapeRow {
    const char* name;
    AnswerShape shape;
    std::string answer;
    std::string sent;
};

const ShapeRow kShapeRows[] = {
    {"Untouched", {}, "\r\nOK\r\n", "\r\nOK\r\n"},
    {"NoLineEnd",
     {true, false, false, ""},
     "\r\n+CIPR:9600\r\n\r\nOK\r\n",
     "\r\n+CIPR:9600\r\n\r\nOK"},
    {"NoLineEndLeavesAnAnswerWithoutOne", {true, false, false, ""}, "a", "a"},
    {"NulLineEnd",
     {false, true, false, ""},
     "\r\n+CIPR:9600\r\n\r\nOK\r\n",
     "\r\0\n+CIPR:9600\r\0\n\r\0\nOK\r\0\n"s},
    {"Both", {true, true, false, ""}, "\r\nERROR\r\n", "\r\0\nERROR"s},
    {"OkAfterARefusal", {false, false, true, ""}, "\r\nERROR\r\n", "\r\nERROR\r\n\r\nOK\r\n"},
    {"OkAfterAnAnswerIsNotDoubled", {false, false, true, ""}, "\r\nOK\r\n", "\r\nOK\r\n"},
    {"UnsolicitedLineFirst",
     {false, false, false, "Call Ready"},
     "\r\nOK\r\n",
     "\r\nCall Ready\r\n\r\nOK\r\n"},
};

TEST(Shaped, SpoilsLineEndsAsAsked) {
    for (const ShapeRow& row : kShapeRows) {
        EXPECT_EQ(Shaped(row.answer, row.shape), row.sent) << row.name;
    }
}

struct NameRow {
    const char* given;
    const char* line;
    bool names;
};

const NameRow kNameRows[] = {
    {"AT+CIVER?", "AT+CIVER?", true},
    {"AT+CIPPACK", "AT+CIPPACK=0,\"41\",\"1\"", true},
    {"AT+CIPPACK", "AT+CIPPACK?", false},
    {"AT+CIPPACK", "AT+CIPPACK", true},
    {"AT+CIP", "AT+CIPPACK=0,\"41\",\"1\"", false},
    {"AT+CIMOD=\"2\"", "AT+CIMOD=\"3\"", false},
    {"AT+CIMOD=", "AT+CIMOD=\"3\"", false},
};

TEST(NamesLine, WholeLineOrTheSetLinesOfACommand) {
    for (const NameRow& row : kNameRows) {
        EXPECT_EQ(NamesLine(row.given, row.line), row.names) << row.given << " / " << row.line;
    }
}

TEST(NoiseSource, FewBytesAndNeverALetter) {
    NoiseSource noise;
    std::string all;
    for (int tick = 0; tick < 1000; ++tick) {
        std::string bytes = noise.Next();
        EXPECT_GE(bytes.size(), 3u);
        EXPECT_LE(bytes.size(), 8u);
        all += bytes;
    }
    EXPECT_TRUE(std::none_of(all.begin(), all.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    }));
    EXPECT_NE(all.find("\r\n"), std::string::npos);
}

}  // namespace
}  // namespace dtu::sim
