#include "protocol/firmware.h"

#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "protocol/text_helpers.h"
#include "protocol/text_split.h"

namespace dtu {

namespace {

// A signed 64-bit integer in decimal or, after "$", hexadecimal; the whole text.
std::optional<std::int64_t> ParseInt64(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    if (base == 16) {
        // Sixteen hex digits spell the two's complement bits, as the usual reading does.
        return static_cast<std::int64_t>(negative ? 0 - magnitude : magnitude);
    }
    constexpr auto kMax = static_cast<std::uint64_t>(INT64_MAX);
    if (magnitude > kMax + (negative ? 1 : 0)) {
        return std::nullopt;
    }
    if (negative) {
        return magnitude == kMax + 1 ? INT64_MIN : -static_cast<std::int64_t>(magnitude);
    }
    return static_cast<std::int64_t>(magnitude);
}

struct FamilyBand {
    std::uint32_t first;
    std::uint32_t last;
    int family;
};

constexpr FamilyBand kFamilyBands[] = {
    {0, 336, 1},
    {338, 399, 2},
};

}  // namespace

std::int64_t VersionNumber(std::string_view version) {
    const std::vector<std::string> pieces = SplitPieces(DelSpaces(version), ".", "Vv\r\n");
    // The sum is kept in extended precision and read back to 15 significant
    // digits, so 1e15 and more cannot come back as an integer.
    constexpr long double kLimit = 1e15L;
    long double sum = 0;
    for (const std::string& piece : pieces) {
        const std::optional<std::int64_t> value = ParseInt64(piece);
        if (!value || *value < 0) {
            return -1;
        }
        sum = sum * 100 + static_cast<long double>(*value);
        if (sum >= kLimit) {
            return -1;
        }
    }
    return static_cast<std::int64_t>(sum);
}

int FirmwareFamily(std::string_view version) {
    const auto low = static_cast<std::uint32_t>(static_cast<std::uint64_t>(VersionNumber(version)));
    for (const FamilyBand& band : kFamilyBands) {
        if (low >= band.first && low <= band.last) {
            return band.family;
        }
    }
    return 0;
}

}  // namespace dtu
