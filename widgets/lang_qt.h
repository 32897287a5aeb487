#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace dtu {

class TLangList;

// The language text of `key` in `table`'s language (the table holds GBK bytes).
QString Tr(const TLangList& table, const char* key);

// The text of `key` in Chinese or in English, whichever the table shows.
QString TrIn(const TLangList& table, const char* key, bool chinese);

// The text of `key` with its "%s" placeholders filled by `values` in turn.
QString TrWith(const TLangList& table, const char* key, const QStringList& values);

// GBK bytes from the device, the files or the language table, as Unicode.
QString FromGbk(const std::string& gbk);

}  // namespace dtu
