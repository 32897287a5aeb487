#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "mainwindow/caps_lock.h"
#include "mainwindow/d2d_packet.h"
#include "mainwindow/form_text.h"
#include "mainwindow/lang_qt.h"
#include "mainwindow/main_window.h"
#include "mainwindow/widget_tags.h"
#include "protocol/engine.h"
#include "protocol/text_helpers.h"

namespace dtu {

namespace {

constexpr int kRegistrationHexTag = 1;
constexpr int kFullView = 0;

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
    connect(this, &Tfrm_MainLx1::replyTimedOut, this, [this] { engine_->HandleReplyTimeout(); });
    cm1_.OnReceiveData = [this](const char* buffer, std::uint16_t length) {
        engine_->HandleReceived(buffer, length);
    };
    for (const char* name : {"chk_RegFormat", "chk_HeartbeatFormat"}) {
        auto* box = Child<QCheckBox>(name);
        connect(box, &QCheckBox::toggled, this, [this, box] { chk_HexEnableClick(box); });
    }
    for (const char* name : {"mmo_Send", "mmo_Sms_Msg", "lbledt_D2D_ID"}) {
        Child<QWidget>(name)->installEventFilter(this);
    }
    // Tool-tip events of a scrolled memo go to its viewport.
    Child<QPlainTextEdit>("mmo_Send")->viewport()->installEventFilter(this);
}

void Tfrm_MainLx1::actDoExecute(int tag) {
    Engine& engine = *engine_;
    engine.CurrentOperation = kOtherOperation;
    switch (tag) {
        case kReadAllTag:
            engine.CurrentOperation = kReadAllOperation;
            engine.ReadAll();
            break;
        case kWriteAllTag:
            engine.CurrentOperation = kWriteAllOperation;
            engine.WriteAll();
            break;
        case kFactoryResetTag:
            if (AskFactoryReset()) {
                engine.FactoryReset();
            }
            break;
        case kRestartTag:
            engine.RestartDevice();
            break;
        case kSendTag:
            engine.SendRawData(MemoText(Child<QPlainTextEdit>("mmo_Send")));
            break;
        case kEnterCommandModeTag:
            engine.EnterCommandMode();
            break;
        case kExitToDataModeTag:
            engine.ExitToDataMode();
            break;
        case kVersionTag:
            engine.SendQuery("CIVER");
            break;
        case kSendSmsTag:
            engine.SendSms();
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

void Tfrm_MainLx1::chk_HexEnableClick(QCheckBox* box) {
    const bool registration = Tag(box) == kRegistrationHexTag;
    if (registration && Child<QCheckBox>("chk_D2DEnable")->isChecked()) {
        // While D2D is on the registration packet stays hexadecimal.
        box->setChecked(true);
        return;
    }
    auto* edit = Child<QLineEdit>(registration ? "edt_RegFormat" : "edt_HeartbeatFormat");
    const std::string text = ToGbk(edit->text());
    edit->setText(FromGbk(box->isChecked() ? StrToHexText(text) : HexTextToStr(text)));
}

void Tfrm_MainLx1::chk_D2DEnableClick() {
    const bool on = Child<QCheckBox>("chk_D2DEnable")->isChecked();
    auto* id = Child<QLineEdit>("lbledt_D2D_ID");
    auto* packet = Child<QLineEdit>("edt_RegFormat");
    id->setEnabled(on);
    if (!on) {
        packet->setEnabled(true);
        return;
    }
    Child<QCheckBox>("chk_RegFormat")->setChecked(true);
    packet->setEnabled(false);
    UpdateD2DRegPacket();
    if (GetViewMode() == kFullView) {
        id->setFocus();
    }
}

void Tfrm_MainLx1::UpdateD2DRegPacket() {
    auto* id = Child<QLineEdit>("lbledt_D2D_ID");
    const std::optional<D2DRegistration> registration = D2DRegistrationFor(ToGbk(id->text()));
    if (!registration) {
        return;
    }
    id->setText(FromGbk(registration->id));
    Child<QLineEdit>("edt_RegFormat")->setText(FromGbk(registration->packet));
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
        UpdateD2DRegPacket();
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
