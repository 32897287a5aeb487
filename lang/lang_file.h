#pragma once

#include <cstddef>
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

// What a language file may cost, however it was made: a line of more bytes
// before its LF is skipped (the longest built-in line has about 800), entries
// past the limit are not kept (the built-in table has some 150 rows) and bytes
// past the file limit are not read (the built-in file has some 40 KiB), so
// that even a file of blank lines cannot delay the start.
inline constexpr std::size_t kLangMaxLineBytes = 4096;
inline constexpr std::size_t kLangMaxEntries = 1024;
inline constexpr std::size_t kLangMaxFileBytes = 4 * 1024 * 1024;

// The whole file for `rows`: the two header lines, a line holding one space,
// then "key|chinese|english" per row with CR LF in the texts written as "///".
// Every line ends with CR LF.
std::string FormatLangFile(const std::vector<LangEntry>& rows);

// The entry one line gives (the line without its LF); nothing for an empty or
// comment line. CRs are dropped and "///" in the texts becomes LF.
std::optional<LangEntry> ParseLangLine(std::string_view line);

// Cuts a language file into entries as its bytes arrive, within the limits
// above, so that a file need never be held whole.
class LangFileParser {
public:
    // Takes the next bytes; false once the entry limit is reached and the rest
    // of the file can go unread.
    bool Feed(std::string_view bytes);
    // Ends the last line, which needs no LF.
    void Finish();
    std::vector<LangEntry> TakeEntries() { return std::move(entries_); }

private:
    void Keep(std::string_view line);
    void EndLine();

    std::string line_;
    bool overLong_ = false;
    std::vector<LangEntry> entries_;
};

// The entries of a whole file, in file order, within the limits above.
std::vector<LangEntry> ParseLangFile(std::string_view text);

}  // namespace dtu
