#include "settings/ini_value.h"

#include <charconv>

namespace dtu {

std::string EscapeIniValue(std::string_view value) {
    std::string stored;
    stored.reserve(value.size());
    for (const char c : value) {
        switch (c) {
            case '\\':
                stored += "\\\\";
                break;
            case '\r':
                stored += "\\r";
                break;
            case '\n':
                stored += "\\n";
                break;
            default:
                stored += c;
        }
    }
    return stored;
}

std::string UnescapeIniValue(std::string_view stored) {
    std::string value;
    value.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        const char next = i + 1 < stored.size() ? stored[i + 1] : '\0';
        if (c == '\\' && (next == '\\' || next == 'r' || next == 'n')) {
            value += next == 'r' ? '\r' : next == 'n' ? '\n' : '\\';
            ++i;
        } else {
            value += c;
        }
    }
    return value;
}

std::string UnescapeOneLineIniValue(std::string_view stored) {
    std::string value;
    value.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        value += stored[i];
        if (stored[i] == '\\' && i + 1 < stored.size() && stored[i + 1] == '\\') {
            ++i;
        }
    }
    return value;
}

namespace {

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

std::optional<std::int64_t> ParseIniInteger(std::string_view text) {
    text = TrimBlanks(text);
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    } else if (text.starts_with("$")) {
        text.remove_prefix(1);
        base = 16;
    }
    // from_chars would take a sign after the hex prefix.
    if (text.empty() || (base == 16 && !IsHexDigit(text.front()))) {
        return std::nullopt;
    }
    std::int64_t number = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, number, base);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return number;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace dtu
