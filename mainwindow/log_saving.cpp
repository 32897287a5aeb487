#include "mainwindow/log_saving.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "mainwindow/info_area.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

constexpr const char* kLogFileName = "'dtuconfig-log-'yyyyMMdd-HHmmss'.txt'";
constexpr const char* kHtmlSuffix = ".html";
constexpr const char* kTextSuffix = ".txt";

}  // namespace

LogSaving::LogSaving(QWidget* window, const TLangList& language, InfoArea& info)
    : window_(window), language_(language), info_(info) {}

void LogSaving::AskAndSave() {
    const QString start = QDir(folder).exists() ? folder : QDir::homePath();
    const QString name = QDateTime::currentDateTime().toString(kLogFileName);
    QString filter;
    QString path = QFileDialog::getSaveFileName(window_, Tr(language_, "lang_Menu_SaveLog"),
                                                QDir(start).filePath(name),
                                                Tr(language_, "lang_SaveLog_Filter"), &filter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += filter.contains(kHtmlSuffix) ? kHtmlSuffix : kTextSuffix;
    }
    SaveTo(path);
}

void LogSaving::SaveTo(const QString& path) {
    const QString error = info_.SaveLog(path);
    if (!error.isEmpty()) {
        QMessageBox::warning(window_, window_->windowTitle(),
                             Tr(language_, "lang_Info_LogNotSaved").arg(path, error));
        return;
    }
    folder = QFileInfo(path).absolutePath();
    info_.ShowInfoLine(Tr(language_, "lang_Info_LogSaved").arg(QDir::toNativeSeparators(path)));
}

}  // namespace dtu
