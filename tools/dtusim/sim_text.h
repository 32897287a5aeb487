#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dtu::sim {

// The items of a set value, split at commas outside double quotes, blanks around
// each item trimmed and quotes kept. "1,\"a,b\", 5" gives 1 / "a,b" / 5.
std::vector<std::string> SplitItems(std::string_view value);

// The text of an item written with or without surrounding double quotes;
// nullopt when quotes are unbalanced or appear inside.
std::optional<std::string> Unquote(std::string_view item);

// Only ASCII digits, at least one and at most `maxDigits`.
bool IsDigits(std::string_view text, std::size_t maxDigits = 9);

// Digits with an optional leading "+", as a phone number is written.
bool IsPhoneNumber(std::string_view text);

// "\"" text "\"".
std::string Quoted(std::string_view text);

}  // namespace dtu::sim
