#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dtu {

// Whole-string comparison that ignores the case of ASCII letters. A GBK
// double-byte character is compared byte for byte, so a trail byte that happens
// to be an ASCII letter never matches its other case.
bool SameText(std::string_view a, std::string_view b);

// The text with its ASCII letters in lower case, GBK double-byte characters
// kept as they are: SameText(a, b) exactly when the two folded texts are equal,
// so a folded text can key a hash table.
std::string FoldedText(std::string_view text);

// The text with its ASCII letters in upper case; GBK double-byte characters
// stay as they are, trail bytes included.
std::string UpperText(std::string_view text);

// A whole text as a decimal number; nothing for "", "12a", "+1" or an overflow.
std::optional<std::int64_t> ParseDecimal(const std::string& text);

}  // namespace dtu
