#include "mainwindow/log_text.h"

namespace dtu {

namespace {

// Eight bytes a line keep a line within the log at its designed width.
constexpr qsizetype kBytesPerLine = 8;

bool IsEscaped(char16_t c) {
    return (c < 0x20 && c != u'\n' && c != u'\t') || c == 0x7F;
}

}  // namespace

QString EscapeControlCharacters(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (IsEscaped(c.unicode())) {
            escaped += QStringLiteral("\\x") +
                       QStringLiteral("%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QStringList HexDumpLines(const QByteArray& bytes) {
    QStringList lines;
    for (qsizetype offset = 0; offset < bytes.size(); offset += kBytesPerLine) {
        const QByteArray part = bytes.mid(offset, kBytesPerLine);
        QString text;
        for (const char byte : part) {
            text += byte >= 0x20 && byte < 0x7F ? QChar(byte) : QChar(u'.');
        }
        lines << QStringLiteral("%1  %2  %3")
                     .arg(offset, 4, 16, QLatin1Char('0'))
                     .arg(QString::fromLatin1(part.toHex(' ').toUpper()), -3 * kBytesPerLine + 1)
                     .arg(text);
    }
    return lines;
}

}  // namespace dtu
