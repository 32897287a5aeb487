#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace dtu {

// `text` with every control character but the line feed and the tab written as
// \xNN (upper-case hex), so a text file of the log holds no raw NUL, ESC or BEL.
QString EscapeControlCharacters(const QString& text);

// `bytes` as lines of up to 8 bytes each: the offset, the bytes in hex and
// the bytes as text, a dot for each byte that is not printable ASCII.
QStringList HexDumpLines(const QByteArray& bytes);

}  // namespace dtu
