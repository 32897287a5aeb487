#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dtu {

// How a text of several lines is stored on its line. A backslash, CR and LF
// are written as "\\", "\r" and "\n"; every other byte (quotes, spaces at
// either end, "=", GBK bytes) is stored as it is, so the text stays readable
// and comes back unchanged. On reading, a backslash before anything else is kept.
std::string EscapeIniValue(std::string_view value);
std::string UnescapeIniValue(std::string_view stored);

// A one-line value as read: "\\" is one backslash, as the tool has always
// written it, and every other sequence is taken literally, so a hand-edited
// "\r\n" stays those four characters and cannot end the device's line. A CR or
// LF, which no one-line value holds, comes back as the two characters it was
// stored as.
std::string UnescapeOneLineIniValue(std::string_view stored);

// Decimal (optionally negative), or hexadecimal after "0x", "0X" or "$";
// blanks around the number are allowed. Anything else, and numbers out of
// range, give nothing.
std::optional<std::int64_t> ParseIniInteger(std::string_view text);

// The text without blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace dtu
