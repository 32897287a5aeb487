#pragma once

#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "lang/atomic_write.h"
#include "settings/file_stamp.h"
#include "settings/ini_document.h"

namespace dtu {

// The INI settings file. Section and key names compare ASCII case-insensitively.
// Reading never fails: anything missing or unreadable gives the default. Writes
// change the file in memory, where reads see them at once; Save() then writes
// the whole file in one go, keeping unknown keys, their order and comments.
// Values are GBK bytes.
//
// File syntax: "[Section]" lines, then "key=value" lines; blanks around a key
// are not part of it; the value is everything after the first "=", byte for
// byte, with a backslash written "\\" and CR and LF as "\r" and "\n". Only a
// text of several lines (ReadMultiLine) reads "\r" and "\n" back as line ends;
// elsewhere they are the characters typed, so that a hand-edited file cannot
// slip line ends into a one-line value (ini_value.h). Lines starting with ";"
// or "#" are comments. New lines take the file's own line end (LF for a new
// file). A name that would break its line (a line break, "=" in a key, "]" in
// a section, blanks at either end, empty) makes a write throw
// std::invalid_argument.
//
// The parsed file is kept in memory and read again when the file on disk
// changed (another stamp); the values written since the last save are then
// applied to it again. A save merges: the keys this program changed (written
// with a value other than the one it last loaded or saved) replace what is on
// disk, every other key keeps what another writer saved there meanwhile, and
// the file is read again just before the replacement to make sure of it.
class IniFile {
public:
    // Reads no more than `readLimit` bytes of the file: the whole lines within it.
    explicit IniFile(std::filesystem::path path,
                     std::size_t readLimit = std::numeric_limits<std::size_t>::max());

    const std::filesystem::path& Path() const { return path_; }

    // A one-line value, as stored.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Decimal, or hexadecimal after "0x" or "$".
    std::int64_t ReadInteger(const std::string& section, const std::string& key,
                             std::int64_t defaultValue) const;
    // Any non-zero number is true.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // A text of several lines, stored escaped (the HTTP header).
    std::string ReadMultiLine(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const;

    // Change the file in memory only; Save() writes them.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, std::int64_t value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Writes the whole file once (lang/atomic_write.h) with `access`, or
    // nothing when no value was written since the last save and the file's
    // access is to be kept. On failure (the error names the full path) the
    // file on disk stays as it was and the written values stay pending, so a
    // later Save() can try again.
    [[nodiscard]] std::optional<FileWriteError> Save(FileAccess access = FileAccess::Kept);

private:
    struct PendingValue {
        std::string section;
        std::string key;
        std::string stored;
    };

    // Reads the file again when it changed on disk since it was last seen.
    void Refresh() const;
    void WriteStored(const std::string& section, const std::string& key, std::string stored);
    std::string FullPath() const;
    // One attempt: not written, without an error, when `checkDisk` finds that
    // another writer changed the file since it was last read.
    WriteResult TrySave(bool checkDisk, FileAccess access);

    std::filesystem::path path_;
    std::size_t readLimit_;
    mutable IniDocument document_;
    // The file as this program last loaded or saved it: what its writes are
    // compared with to tell a change.
    mutable IniDocument base_;
    mutable FileStamp stamp_;
    // The bytes `document_` was last read from or written as.
    mutable std::string diskText_;
    mutable bool loaded_ = false;
    // Read again whatever the stamp says.
    mutable bool stale_ = false;
    // Written since the last save, one entry per key, in the order first written.
    std::vector<PendingValue> pending_;
};

}  // namespace dtu
