#include "mainwindow/main_questions.h"

#include <QMessageBox>
#include <QPushButton>

#include "mainwindow/two_way_question.h"
#include "widgets/lang_qt.h"

namespace dtu {

bool AskFactoryReset(QWidget* window) {
    QMessageBox question(QMessageBox::NoIcon, "Warning", "Factory Reset?",
                         QMessageBox::Yes | QMessageBox::No, window);
    question.setObjectName("factoryResetQuestion");
    question.setDefaultButton(QMessageBox::No);
    // Qt's own texts follow the language; this question's do not.
    question.button(QMessageBox::Yes)->setText(QStringLiteral("&Yes"));
    question.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    return question.exec() == QMessageBox::Yes;
}

bool AskStopWriting(QWidget* window, const TLangList& language) {
    QMessageBox question(QMessageBox::Warning, window->windowTitle(),
                         Tr(language, "lang_Close_WriteRunning"), QMessageBox::NoButton, window);
    question.setObjectName("msg_CloseWhileWriting");
    return AskTwoWay(question, {Tr(language, "lang_Close_StopAndClose"), "btn_StopAndClose"},
                     {Tr(language, "lang_Close_KeepWriting"), "btn_KeepWriting"}, false);
}

}  // namespace dtu
