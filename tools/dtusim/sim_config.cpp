#include "tools/dtusim/sim_config.h"

#include <algorithm>
#include <iterator>

namespace dtu::sim {

namespace {

struct FormatRow {
    int code;
    int dataBits;
    int stopBits;
};

struct ParityRow {
    int code;
    char parity;
};

constexpr FormatRow kFormats[] = {{1, 8, 2}, {3, 8, 1}, {4, 7, 2}, {5, 7, 1}};
constexpr ParityRow kParities[] = {{0, 'O'}, {1, 'E'}, {3, 'N'}};

constexpr int kBaudRates[] = {300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200};

}  // namespace

LineSettings LineSettingsOf(const DeviceConfig& config) {
    LineSettings line;
    line.baudRate = config.baudRate;
    for (const FormatRow& row : kFormats) {
        if (row.code == config.icfFormat) {
            line.dataBits = row.dataBits;
            line.stopBits = row.stopBits;
        }
    }
    for (const ParityRow& row : kParities) {
        if (row.code == config.icfParity) {
            line.parity = row.parity;
        }
    }
    return line;
}

bool IsIcfFormat(int code) {
    return std::ranges::any_of(kFormats, [code](const FormatRow& row) { return row.code == code; });
}

bool IsIcfParity(int code) {
    return std::ranges::any_of(kParities,
                               [code](const ParityRow& row) { return row.code == code; });
}

bool IsStandardBaudRate(int rate) {
    return std::ranges::find(kBaudRates, rate) != std::end(kBaudRates);
}

}  // namespace dtu::sim
