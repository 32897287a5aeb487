#include "mainwindow/lang_qt.h"

#include "lang/gbk.h"
#include "lang/lang_list.h"

namespace dtu {

QString Tr(const char* key) {
    return FromGbk(LangText(key));
}

QString TrIn(const char* key, bool chinese) {
    if (LangList == nullptr) {
        return Tr(key);
    }
    const bool shown = LangList->IsChinese;
    LangList->IsChinese = chinese;
    QString text = Tr(key);
    LangList->IsChinese = shown;
    return text;
}

QString FromGbk(const std::string& gbk) {
    return QString::fromStdString(GbkToUtf8(gbk));
}

}  // namespace dtu
