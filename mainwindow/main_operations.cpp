#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "mainwindow/caps_lock.h"
#include "mainwindow/form_text.h"
#include "mainwindow/lang_qt.h"
#include "mainwindow/main_window.h"
#include "mainwindow/two_way_question.h"

namespace dtu {

namespace {

enum OperationTag {
    kReadAllTag = 1,
    kWriteAllTag,
    kFactoryResetTag,
    kRestartTag,
    kSendTag,
    kEnterCommandModeTag,
    kExitToDataModeTag,
    kVersionTag,
    kSendSmsTag,
};

bool IsEnterKey(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           !(key.modifiers() & Qt::ControlModifier);
}

}  // namespace

void Tfrm_MainLx1::ConnectOperations() {
    progress_ = Child<QProgressBar>("pbWhile");
    connect(this, &Tfrm_MainLx1::operationRequested, this, &Tfrm_MainLx1::actDoExecute);
    for (const char* name : {"mmo_Send", "mmo_Sms_Msg", "lbledt_D2D_ID"}) {
        Child<QWidget>(name)->installEventFilter(this);
    }
    // Tool-tip events of a scrolled memo go to its viewport.
    Child<QPlainTextEdit>("mmo_Send")->viewport()->installEventFilter(this);
}

void Tfrm_MainLx1::actDoExecute(int tag) {
    switch (tag) {
        case kReadAllTag:
            session_.ReadAll();
            break;
        case kWriteAllTag:
            session_.WriteAll();
            break;
        case kFactoryResetTag:
            if (AskFactoryReset()) {
                session_.FactoryReset();
            }
            break;
        case kRestartTag:
            session_.RestartDevice();
            break;
        case kSendTag:
            session_.SendRaw(MemoText(Child<QPlainTextEdit>("mmo_Send")));
            break;
        case kEnterCommandModeTag:
            session_.EnterCommandMode();
            break;
        case kExitToDataModeTag:
            session_.ExitToDataMode();
            break;
        case kVersionTag:
            session_.QueryVersion();
            break;
        case kSendSmsTag:
            session_.SendSms();
            break;
        default:
            break;
    }
}

bool Tfrm_MainLx1::AskFactoryReset() {
    // The same words in both languages.
    QMessageBox question(QMessageBox::NoIcon, "Warning", "Factory Reset?",
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setObjectName("factoryResetQuestion");
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

bool Tfrm_MainLx1::AskStopWriting() {
    QMessageBox question(QMessageBox::Warning, windowTitle(), Tr("lang_Close_WriteRunning"),
                         QMessageBox::NoButton, this);
    question.setObjectName("msg_CloseWhileWriting");
    return AskTwoWay(question, {Tr("lang_Close_StopAndClose"), "btn_StopAndClose"},
                     {Tr("lang_Close_KeepWriting"), "btn_KeepWriting"}, false);
}

bool Tfrm_MainLx1::eventFilter(QObject* watched, QEvent* event) {
    const QString name = watched->objectName();
    if (event->type() == QEvent::KeyPress && name == "mmo_Sms_Msg" &&
        IsEnterKey(*static_cast<QKeyEvent*>(event))) {
        // A message is one line.
        QApplication::beep();
        return true;
    }
    if (event->type() == QEvent::KeyRelease && name == "lbledt_D2D_ID") {
        session_.Form().UpdateD2DRegPacket();
    }
    if (event->type() == QEvent::ToolTip &&
        (name == "mmo_Send" ||
         (watched->parent() != nullptr && watched->parent()->objectName() == "mmo_Send"))) {
        // The upper-case reminder is only wanted while Caps Lock is off.
        return CapsLockIsOn();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace dtu
