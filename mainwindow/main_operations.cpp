#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "mainwindow/caps_lock.h"
#include "mainwindow/info_area.h"
#include "mainwindow/main_window.h"
#include "mainwindow/two_way_question.h"
#include "protocol/line_end.h"
#include "widgets/form_text.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {}  // namespace

void Tfrm_MainLx1::ConnectOperations() {
    sendBox_->installEventFilter(this);
    // With the hex view on, each block shows as it came before the reply
    // handling reads it.
    session_.SetReceiveHook([this](const std::string& block, const std::function<void()>& pass) {
        if (hexView_->isChecked()) {
            info_->ShowHexBlock(QByteArray(block.data(), static_cast<qsizetype>(block.size())));
        }
        pass();
    });
    // Tool-tip events of a scrolled memo go to its viewport.
    sendBox_->viewport()->installEventFilter(this);
}

void Tfrm_MainLx1::SendFromSendBox() {
    QPlainTextEdit* box = sendBox_;
    const auto end = static_cast<LineEnd>(lineEnd_->currentData().toInt());
    const std::string sent = WithLineEnd(MemoText(box), end);
    session_.SendRaw(sent);
    sentUnended_ = IsUnendedAtCommand(sent);
    sendHistory_.Add(box->toPlainText());
}

bool Tfrm_MainLx1::RecallSent(int key) {
    QPlainTextEdit* box = sendBox_;
    QString text;
    if (!sendHistory_.Shows(box->toPlainText()) ||
        !(key == Qt::Key_Up ? sendHistory_.Older(text) : sendHistory_.Newer(text))) {
        return false;
    }
    box->setPlainText(text);
    box->moveCursor(QTextCursor::End);
    return true;
}

bool Tfrm_MainLx1::AskFactoryReset() {
    // The same words in both languages.
    QMessageBox question(QMessageBox::NoIcon, "Warning", "Factory Reset?",
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setObjectName("factoryResetQuestion");
    question.setDefaultButton(QMessageBox::No);
    // Qt's own texts follow the language; this question's do not.
    question.button(QMessageBox::Yes)->setText(QStringLiteral("&Yes"));
    question.button(QMessageBox::No)->setText(QStringLiteral("&No"));
    return question.exec() == QMessageBox::Yes;
}

bool Tfrm_MainLx1::AskStopWriting() {
    QMessageBox question(QMessageBox::Warning, windowTitle(),
                         Tr(language_, "lang_Close_WriteRunning"), QMessageBox::NoButton, this);
    question.setObjectName("msg_CloseWhileWriting");
    return AskTwoWay(question, {Tr(language_, "lang_Close_StopAndClose"), "btn_StopAndClose"},
                     {Tr(language_, "lang_Close_KeepWriting"), "btn_KeepWriting"}, false);
}

bool Tfrm_MainLx1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sendBox_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
            key->modifiers() == Qt::NoModifier && RecallSent(key->key())) {
            return true;
        }
    }
    if ((watched == sendBox_ || watched == sendBox_->viewport()) &&
        event->type() == QEvent::ToolTip) {
        // The upper-case reminder is only wanted while Caps Lock is off.
        return CapsLockIsOn();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace dtu
