#pragma once

#include <QString>
#include <string>

namespace dtu {

// The language text of `key` for the windows (the table holds GBK bytes).
QString Tr(const char* key);

// The text of `key` in Chinese or in English, whichever the window shows.
QString TrIn(const char* key, bool chinese);

// GBK bytes from the device, the files or the language table, as Unicode.
QString FromGbk(const std::string& gbk);

}  // namespace dtu
