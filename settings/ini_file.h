#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "lang/atomic_write.h"
#include "settings/file_stamp.h"
#include "settings/ini_document.h"

namespace dtu {

// A failed write: what() is "Unable to write to <full path>", Reason() the
// system's reason ("No space left on device", "not a regular file").
class IniWriteError : public FileWriteError {
public:
    using FileWriteError::FileWriteError;
};

// The INI settings file. Section and key names compare ASCII case-insensitively.
// Reading never fails: anything missing or unreadable gives the default. Every
// write goes to disk at once and replaces the whole file atomically, keeping
// unknown keys, their order and comments. Values are GBK bytes; line breaks in
// a value are stored escaped and come back unchanged.
//
// File syntax: "[Section]" lines, then "key=value" lines; blanks around a key
// are not part of it; the value is everything after the first "=", byte for
// byte. In a value, "\\", "\r" and "\n" stand for a backslash, CR and LF
// (the only bytes escaped); a backslash before any other character is itself.
// Lines starting with ";" or "#" are comments. New lines take the file's own
// line end (LF for a new file). A name that would break its line (a line
// break, "=" in a key, "]" in a section, blanks at either end, empty) makes a
// write throw std::invalid_argument.
//
// The parsed file is kept in memory and read again only when the file on disk
// changed (another stamp), so a save of many keys parses once. Each write
// goes through a synced temporary file renamed over the file.
class IniFile {
public:
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return path_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Decimal, or hexadecimal after "0x" or "$".
    std::int64_t ReadInteger(const std::string& section, const std::string& key,
                             std::int64_t defaultValue) const;
    // Any non-zero number is true.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // Throw IniWriteError on failure; the file on disk stays whole.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, std::int64_t value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

private:
    // Reads the file again when it changed on disk since it was last seen.
    void Refresh() const;
    std::string FullPath() const;

    std::filesystem::path path_;
    mutable IniDocument document_;
    mutable FileStamp stamp_;
    mutable bool loaded_ = false;
};

}  // namespace dtu
