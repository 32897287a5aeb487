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

// How a one-line value is stored: as it is, backslashes included, and read back
// the same way, so a hand-edited "\r\n" stays those four characters. A CR or LF,
// which no one-line value should hold, would end the line: each is written as
// "\r" or "\n" and so reads back as those two characters.
std::string OneLineIniValue(std::string_view value);

// Decimal (optionally negative), or hexadecimal after "0x", "0X" or "$";
// blanks around the number are allowed. Anything else, and numbers out of
// range, give nothing.
std::optional<std::int64_t> ParseIniInteger(std::string_view text);

// The text without blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace dtu
