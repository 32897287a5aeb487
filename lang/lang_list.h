#pragma once

#include <optional>
#include <string>

#include "lang/atomic_write.h"
#include "lang/lang_rows.h"

namespace dtu {

// How loading the language file went.
struct LangLoad {
    bool complete = true;                     // false: the file went on past kLangMaxFileBytes
    std::optional<FileWriteError> unwritten;  // the missing file could not be written
};

// The language table: built-in rows plus rows read from the language file, each
// a key, a Chinese text and an English text (GBK bytes, never converted here).
class TLangList {
public:
    void AddText(const std::string& key, const std::string& chinese, const std::string& english);

    // Text of the first entry whose key, Chinese or English text equals `key`
    // (ASCII case-insensitive), file rows before built-in rows; else `key`.
    std::string GetText(const std::string& key) const { return GetTextIn(key, IsChinese); }
    // The same in the language asked for, whichever the table shows.
    std::string GetTextIn(const std::string& key, bool chinese) const;

    // Writes the file from the built-in rows when it is missing, then reads it.
    [[nodiscard]] LangLoad LoadLangFile(const std::string& fileName);
    [[nodiscard]] std::optional<FileWriteError> WriteLangFile(const std::string& fileName) const;
    // Reads what it can, within the limits of lang/lang_file.h; errors end the
    // reading silently. False when the file went on past kLangMaxFileBytes.
    bool ReadLangFile(const std::string& fileName);

    std::size_t BuiltInCount() const { return builtIn_.Rows().size(); }
    std::size_t FileCount() const { return file_.Rows().size(); }

    bool IsChinese = false;

private:
    LangRows file_;
    LangRows builtIn_;
};

// True when the user's locale (LC_ALL, LC_MESSAGES, LANG, in that order) is Chinese.
bool SystemIsChinese();

}  // namespace dtu
