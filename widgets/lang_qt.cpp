#include "widgets/lang_qt.h"

#include "lang/gbk.h"
#include "lang/lang_list.h"

namespace dtu {

QString Tr(const TLangList& table, const char* key) {
    return FromGbk(table.GetText(key));
}

QString TrIn(const TLangList& table, const char* key, bool chinese) {
    return FromGbk(table.GetTextIn(key, chinese));
}

QString TrWith(const TLangList& table, const char* key, const QStringList& values) {
    QString text = Tr(table, key);
    const QString placeholder = QStringLiteral("%s");
    qsizetype at = 0;
    for (const QString& value : values) {
        at = text.indexOf(placeholder, at);
        if (at < 0) {
            break;
        }
        text.replace(at, placeholder.size(), value);
        // A value holding "%s" is not filled in again.
        at += value.size();
    }
    return text;
}

QString FromGbk(const std::string& gbk) {
    return QString::fromStdString(GbkToUtf8(gbk));
}

}  // namespace dtu
