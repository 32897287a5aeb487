#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace dtu {

// The language text of `key` for the windows (the table holds GBK bytes).
QString Tr(const char* key);

// The text of `key` in Chinese or in English, whichever the window shows.
QString TrIn(const char* key, bool chinese);

// The text of `key` with its "%s" placeholders filled by `values` in turn.
QString TrWith(const char* key, const QStringList& values);

// GBK bytes from the device, the files or the language table, as Unicode.
QString FromGbk(const std::string& gbk);

}  // namespace dtu
