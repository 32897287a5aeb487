#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dtu {

struct IniKeyName {
    std::string section;
    std::string key;
};

// A key given again in its section: the line (1 for the first) that takes
// effect and the later one that does not.
struct IniDuplicatedKey {
    std::string section;
    std::string key;
    std::size_t firstLine;
    std::size_t line;
    bool operator==(const IniDuplicatedKey&) const = default;
};

// The lines of an INI file, kept byte for byte so that writing one value leaves
// every other line (unknown keys, comments, blank lines, line ends) as it was.
// Section and key names compare ASCII case-insensitively; blanks around a key
// name are not part of it; the stored value is everything after the first "=".
// Lines before the first section belong to no section.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    // The stored (still escaped) value of the first `key` in a section named
    // `section`.
    std::optional<std::string_view> StoredValue(std::string_view section,
                                                std::string_view key) const;
    // The line (1 for the first) of that same key, to point a reader at a bad value.
    std::optional<std::size_t> LineNumber(std::string_view section, std::string_view key) const;

    // Replaces the first `key` of `section`, or adds it after the section's
    // last key, or adds the section at the end.
    void SetStoredValue(std::string_view section, std::string_view key, std::string_view stored);

    std::string Text() const;

    // Every key that lies in a section, in file order.
    std::vector<IniKeyName> KeyNames() const;

    // Every later line of a key its section already has, in file order. A
    // section named twice is one section, as reading sees it.
    std::vector<IniDuplicatedKey> DuplicatedKeys() const;

private:
    enum class Kind { kOther, kSection, kKey };
    struct Line {
        std::string text;    // without its line end
        std::string ending;  // "\n", "\r\n", or "" for a last line without one
        Kind kind = Kind::kOther;
        std::string name;            // section or key name
        std::size_t valueStart = 0;  // for a key: where the value starts in `text`
    };

    static Line ParseLine(std::string text, std::string ending);
    // Index of the first key line `key` in a section `section`.
    std::optional<std::size_t> FindKey(std::string_view section, std::string_view key) const;
    void InsertLine(std::size_t index, std::string text);

    std::vector<Line> lines_;
    std::string newline_ = "\n";  // for added lines: the file's own line end
};

}  // namespace dtu
