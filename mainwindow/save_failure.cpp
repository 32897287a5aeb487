#include "mainwindow/save_failure.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>

#include "mainwindow/two_way_question.h"
#include "settings/ini_file.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

// The box's texts end at its edge otherwise: a long path has nowhere to break.
constexpr int kTextRightMargin = 12;

}  // namespace

bool AskRetryFailedSave(const TLangList& table, QWidget* parent, const FileWriteError& error) {
    // The path is file-name bytes, not necessarily UTF-8.
    QMessageBox box(QMessageBox::Warning, parent->windowTitle(),
                    QFile::decodeName(error.What().c_str()), QMessageBox::NoButton, parent);
    box.setObjectName("msg_SaveFailed");
    box.setInformativeText(QString::fromStdString(error.reason));
    for (QLabel* text : box.findChildren<QLabel*>()) {
        text->setContentsMargins(0, 0, kTextRightMargin, 0);
    }
    return AskTwoWay(box, {Tr(table, "lang_Save_Retry"), "btn_SaveRetry"},
                     {Tr(table, "lang_Save_Close"), "btn_SaveClose"}, true);
}

}  // namespace dtu
