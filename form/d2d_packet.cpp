#include "form/d2d_packet.h"

#include <algorithm>
#include <cstdio>

namespace dtu {

namespace {

constexpr unsigned kLargestId = 65535;
constexpr std::size_t kLongestId = 5;

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<D2DRegistration> D2DRegistrationFor(std::string_view idText) {
    if (idText.empty()) {
        return std::nullopt;
    }
    unsigned id = kLargestId;
    if (AllDigits(idText) && idText.size() <= kLongestId) {
        id = static_cast<unsigned>(std::stoul(std::string(idText)));
        id = std::clamp(id, 1u, kLargestId);
    }
    char packet[9];
    std::snprintf(packet, sizeof packet, "%04X%04X", id, kLargestId - id);
    return D2DRegistration{std::to_string(id), packet};
}

}  // namespace dtu
