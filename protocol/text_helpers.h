#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dtu {

// Plain byte-string helpers shared by the parser, write all, the SMS action and the
// dialogs. Positions are 1-based; every function leaves its argument unchanged.

// Each byte as two upper-case hexadecimal digits, no separators.
std::string StrToHexText(std::string_view text);
// The bytes the digit pairs spell (a last unpaired digit is ignored), or `hex`
// unchanged when any pair is not two hexadecimal digits.
std::string HexTextToStr(std::string_view hex);
// Characters `first` to `last` inclusive; empty unless 1 <= first <= last <= size.
std::string SubText(std::string_view text, int first, int last);
// Removes every CR LF pair; lone CR and LF stay.
std::string DelCrLf(std::string_view text);
// Removes every double quote.
std::string DelQuotes(std::string_view text);
// Removes every blank (0x20); tabs and other control bytes stay.
std::string DelSpaces(std::string_view text);
// A double quote, the text, a double quote; inner quotes are not escaped.
std::string QuoteText(std::string_view text);
// Splits comma text: blanks and control bytes around items are skipped, a
// double-quoted item may hold commas ("" stands for one quote), empty items
// between commas stay and a trailing comma gives a last empty item.
std::vector<std::string> CommaTextToList(std::string_view text);

}  // namespace dtu
