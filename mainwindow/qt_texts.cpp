#include "mainwindow/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace dtu {

QtTexts::~QtTexts() {
    Follow(false);
}

void QtTexts::Follow(bool chinese) {
    if (chinese == installed_) {
        return;
    }
    if (!chinese) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
        return;
    }
    if (!loaded_) {
        loaded_ = translator_.load(QStringLiteral("qtbase_zh_CN"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    installed_ = loaded_ && QCoreApplication::installTranslator(&translator_);
}

}  // namespace dtu
