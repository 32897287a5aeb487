#include "mainwindow/lang_qt.h"

#include "lang/gbk.h"
#include "lang/lang_list.h"

namespace dtu {

QString Tr(const char* key) {
    return FromGbk(LangText(key));
}

QString FromGbk(const std::string& gbk) {
    return QString::fromStdString(GbkToUtf8(gbk));
}

}  // namespace dtu
