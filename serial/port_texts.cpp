#include "serial/port_texts.h"

#include <array>

#include "lang/same_text.h"
#include "serial/network_link.h"

namespace dtu {

namespace {

struct ParityRow {
    const char* text;
    ParityChoice choice;
};

constexpr std::array<ParityRow, 3> kParityRows = {{
    {"NONE", {TParity::None, false}},
    {"ODD", {TParity::Odd, true}},
    {"EVEN", {TParity::Even, true}},
}};

struct IntervalRow {
    std::uint32_t baud;
    std::uint32_t intervalMs;
};

constexpr std::array<IntervalRow, 2> kSlowRateIntervals = {{{2400, 150}, {4800, 80}}};
constexpr std::uint32_t kDefaultIntervalMs = 60;

}  // namespace

std::optional<ParityChoice> ParityFromText(const std::string& text) {
    const std::string upper = UpperText(text);
    for (const ParityRow& row : kParityRows) {
        if (upper == row.text) {
            return row.choice;
        }
    }
    return std::nullopt;
}

const char* ParityText(TParity parity) {
    for (const ParityRow& row : kParityRows) {
        if (row.choice.parity == parity) {
            return row.text;
        }
    }
    return parity == TParity::Mark ? "MARK" : "SPACE";
}

std::string LineRequestText(const LineRequest& line) {
    return std::to_string(line.baud) + "," + ParityText(line.parity) + "," +
           std::to_string(line.dataBits) + "," + std::to_string(line.stopBits);
}

std::uint32_t FramingIntervalFor(std::uint32_t baud) {
    for (const IntervalRow& row : kSlowRateIntervals) {
        if (row.baud == baud) {
            return row.intervalMs;
        }
    }
    return kDefaultIntervalMs;
}

std::string PortStatusText(const std::string& name, const std::string& baud,
                           const std::string& parity, const std::string& dataBits,
                           const std::string& stopBits) {
    std::string text = " ";
    for (const std::string* part : {&name, &baud, &parity, &dataBits, &stopBits}) {
        text += '"';
        text += *part;
        text += "\",";
    }
    text += ' ';
    return text;
}

}  // namespace dtu
