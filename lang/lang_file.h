#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dtu {

// The language file's format, as pure functions over GBK bytes.

struct LangEntry {
    std::string key;
    std::string chinese;
    std::string english;
};

// The two comment lines that open the file, without line ends.
extern const std::string_view kLangFileHeader1;
extern const std::string_view kLangFileHeader2;

// The whole file for `rows`: the two header lines, a line holding one space,
// then "key|chinese|english" per row with CR LF in the texts written as "///".
// Every line ends with CR LF.
std::string FormatLangFile(const std::vector<LangEntry>& rows);

// The entry one line gives (the line without its LF); nothing for an empty or
// comment line. CRs are dropped and "///" in the texts becomes LF.
std::optional<LangEntry> ParseLangLine(std::string_view line);

// The entries of a whole file, in file order. The last line needs no LF.
std::vector<LangEntry> ParseLangFile(std::string_view text);

}  // namespace dtu
