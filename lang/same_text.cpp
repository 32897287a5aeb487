#include "lang/same_text.h"

#include <charconv>

namespace dtu {

namespace {

unsigned char FoldAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool IsGbkLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

}  // namespace

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (IsGbkLeadByte(ca) && ca == cb && i + 1 < a.size()) {
            ++i;
            if (a[i] != b[i]) {
                return false;
            }
            continue;
        }
        if (FoldAscii(ca) != FoldAscii(cb)) {
            return false;
        }
    }
    return true;
}

std::string FoldedText(std::string_view text) {
    std::string folded(text);
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto c = static_cast<unsigned char>(folded[i]);
        if (IsGbkLeadByte(c)) {
            ++i;
        } else {
            folded[i] = static_cast<char>(FoldAscii(c));
        }
    }
    return folded;
}

std::string UpperText(std::string_view text) {
    std::string upper(text);
    for (std::size_t i = 0; i < upper.size(); ++i) {
        const auto c = static_cast<unsigned char>(upper[i]);
        if (IsGbkLeadByte(c)) {
            ++i;
        } else if (c >= 'a' && c <= 'z') {
            upper[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::optional<std::int64_t> ParseDecimal(const std::string& text) {
    std::int64_t value = 0;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

}  // namespace dtu
