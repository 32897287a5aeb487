#pragma once

#include <span>
#include <string>

#include "lang/lang_list.h"

namespace dtu {

// One built-in row of the language table; texts are GBK bytes.
struct BuiltinText {
    const char* key;
    const char* chinese;
    const char* english;
};

// The built-in rows, in table order.
std::span<const BuiltinText> BuiltinTexts();

// Adds the built-in rows to `list`, in table order.
void FillLangTable(TLangList& list);

// The built-in rows in English, built on the first call: the words of a front
// end that speaks English only, the command line's.
const TLangList& EnglishBuiltinTable();

// Fills `table` with the built-in rows and loads the language file `fileName`
// into it. A file that cannot be written, or one longer than the tool reads, is
// reported through the returned text (empty on success); the table answers
// lookups either way.
std::string LoadLanguage(TLangList& table, const std::string& fileName);

}  // namespace dtu
