#include "session/find_order.h"

#include <algorithm>

namespace dtu {

namespace {

// The speeds of the port lists, the most used first.
constexpr const char* kSpeedsByUse[] = {"115200", "9600", "57600", "38400", "19200", "4800",
                                        "2400",   "1200", "14400", "600",   "300"};
static_assert(std::size(kSpeedsByUse) == kBaudRates.size());

struct Format {
    const char* parity;
    const char* dataBits;
};

// The formats the device's form offers at one stop bit, the most used first.
constexpr Format kFormatsByUse[] = {{"NONE", "8"}, {"EVEN", "8"}, {"ODD", "8"},
                                    {"EVEN", "7"}, {"ODD", "7"},  {"NONE", "7"}};
constexpr const char* kOneStopBit = "1";

void AddOnce(std::vector<FindTry>& tries, FindTry next) {
    if (std::find(tries.begin(), tries.end(), next) == tries.end()) {
        tries.push_back(std::move(next));
    }
}

FindTry TryOf(const PortTexts& line, bool escape) {
    return {line.baudRate, line.parity, line.dataBits, line.stopBits, escape, true};
}

}  // namespace

std::vector<FindTry> FindOrder(const PortTexts& first) {
    std::vector<FindTry> tries;
    AddOnce(tries, TryOf(first, false));
    for (const Format& format : kFormatsByUse) {
        for (const char* speed : kSpeedsByUse) {
            AddOnce(tries, {speed, format.parity, format.dataBits, kOneStopBit, false, true});
        }
    }
    AddOnce(tries, TryOf(first, true));
    const Format& plain = kFormatsByUse[0];
    for (const char* speed : kSpeedsByUse) {
        AddOnce(tries, {speed, plain.parity, plain.dataBits, kOneStopBit, true, true});
    }
    return tries;
}

std::vector<FindTry> FindOrderAsLineIs(const PortTexts& line) {
    std::vector<FindTry> tries;
    for (bool escape : {false, true}) {
        FindTry asIs = TryOf(line, escape);
        asIs.setLine = false;
        tries.push_back(std::move(asIs));
    }
    return tries;
}

}  // namespace dtu
