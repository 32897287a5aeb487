#include "protocol/text_helpers.h"

#include <algorithm>

namespace dtu {

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string RemoveEvery(std::string_view text, char unwanted) {
    std::string result;
    result.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(result),
                 [unwanted](char c) { return c != unwanted; });
    return result;
}

// Blanks and control bytes, NUL excluded, separate comma-text items.
bool IsCommaTextBlank(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x01 && byte <= 0x20;
}

}  // namespace

std::string StrToHexText(std::string_view text) {
    std::string hex;
    hex.reserve(text.size() * 2);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kHexDigits[byte >> 4];
        hex += kHexDigits[byte & 0x0F];
    }
    return hex;
}

std::string HexTextToStr(std::string_view hex) {
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int high = HexDigitValue(hex[i]);
        const int low = HexDigitValue(hex[i + 1]);
        if (high < 0 || low < 0) {
            return std::string(hex);
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

std::string SubText(std::string_view text, int first, int last) {
    if (first < 1 || first > last || static_cast<std::size_t>(last) > text.size()) {
        return {};
    }
    return std::string(text.substr(static_cast<std::size_t>(first - 1),
                                   static_cast<std::size_t>(last - first + 1)));
}

std::string DelCrLf(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        result += text[i];
    }
    return result;
}

std::string DelQuotes(std::string_view text) {
    return RemoveEvery(text, '"');
}

std::string DelSpaces(std::string_view text) {
    return RemoveEvery(text, ' ');
}

std::string QuoteText(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

std::vector<std::string> CommaTextToList(std::string_view text) {
    std::vector<std::string> items;
    std::size_t pos = 0;
    const std::size_t end = text.size();
    auto skipBlanks = [&] {
        while (pos < end && IsCommaTextBlank(text[pos])) {
            ++pos;
        }
    };

    skipBlanks();
    while (pos < end) {
        std::string item;
        if (text[pos] == '"') {
            ++pos;
            while (pos < end) {
                if (text[pos] == '"') {
                    if (pos + 1 < end && text[pos + 1] == '"') {
                        item += '"';
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                item += text[pos++];
            }
        } else {
            const std::size_t start = pos;
            while (pos < end && text[pos] != ',' && !IsCommaTextBlank(text[pos])) {
                ++pos;
            }
            item.assign(text.substr(start, pos - start));
        }
        items.push_back(std::move(item));
        skipBlanks();
        if (pos < end && text[pos] == ',') {
            if (pos + 1 == end) {
                items.emplace_back();
            }
            ++pos;
            skipBlanks();
        }
    }
    return items;
}

}  // namespace dtu
