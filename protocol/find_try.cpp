#include "protocol/find_try.h"

namespace dtu {

namespace {

// A device answers within this of the last byte it was sent.
constexpr std::chrono::milliseconds kTurnaround{100};
// Start, eight data bits, parity and a stop bit: the longest frame Find tries at first.
constexpr std::uint64_t kBitsPerByte = 11;

}  // namespace

std::chrono::milliseconds FindWait(std::uint32_t baud, std::size_t lineBytes,
                                   std::chrono::milliseconds framing) {
    const std::uint64_t bits = lineBytes * kBitsPerByte * 1000;
    const std::uint64_t lineMs = baud == 0 ? 0 : (bits + baud - 1) / baud;
    return kTurnaround + framing + std::chrono::milliseconds(lineMs);
}

}  // namespace dtu
