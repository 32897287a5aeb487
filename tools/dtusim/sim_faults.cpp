#include "tools/dtusim/sim_faults.h"

#include <array>

namespace dtu::sim {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kOkFinal = "\r\nOK\r\n";
constexpr std::string_view kErrorFinal = "\r\nERROR\r\n";
constexpr std::string_view kNulLineEnd{"\r\0\n", 3};
constexpr std::array<char, 16> kNoiseBytes = {'\r',   '\n',   '\0',   '\x07', '\x1b', '#',
                                              '%',    '*',    '~',    '\x7f', '\x80', '\x9f',
                                              '\xa5', '\xc3', '\xfe', '\xff'};
constexpr std::size_t kMinNoise = 3;
constexpr std::size_t kMaxNoise = 8;

}  // namespace

std::string Shaped(std::string bytes, const AnswerShape& shape) {
    if (shape.okAfterError && bytes == kErrorFinal) {
        bytes += kOkFinal;
    }
    if (!shape.unsolicited.empty()) {
        bytes.insert(0, std::string(kLineEnd) + shape.unsolicited + std::string(kLineEnd));
    }
    if (shape.noLineEnd && bytes.ends_with(kLineEnd)) {
        bytes.resize(bytes.size() - kLineEnd.size());
    }
    if (shape.nulLineEnd) {
        for (std::size_t at = bytes.find(kLineEnd); at != std::string::npos;
             at = bytes.find(kLineEnd, at + kNulLineEnd.size())) {
            bytes.replace(at, kLineEnd.size(), kNulLineEnd);
        }
    }
    return bytes;
}

bool NamesLine(std::string_view given, std::string_view line) {
    if (given == line) {
        return true;
    }
    bool commandAlone = given.find_first_of("=?") == std::string_view::npos;
    return commandAlone && line.size() > given.size() && line.starts_with(given) &&
           line[given.size()] == '=';
}

std::string NoiseSource::Next() {
    // A fixed linear congruential sequence: the same noise on every run.
    auto step = [this] {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 16;
    };
    std::size_t count = kMinNoise + step() % (kMaxNoise - kMinNoise + 1);
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i) {
        bytes += kNoiseBytes[step() % kNoiseBytes.size()];
    }
    return bytes;
}

}  // namespace dtu::sim
