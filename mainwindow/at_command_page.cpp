#include "mainwindow/at_command_page.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "mainwindow/form_controls.h"

namespace dtu {

namespace {

using K = ControlKind;

constexpr FormControl kAtCmdPage[] = {
    {K::Group, "grp_CommonAtCmd", 8, 80, 369, 89, Shown::Always, "附：常用AT指令", kNoFlags, 0},
    {K::Group, "grp_SendSms", 8, 210, 369, 177, Shown::Always, "发短信", kNoFlags, 0},
};

constexpr FormControl kAtCommandGroup[] = {
    {K::Button, "btn_At_GetCiver", 16, 32, 113, 25, Shown::Always, "", kNoFlags, 0},
};

constexpr FormControl kSendSmsGroup[] = {
    {K::Label, "lbl_Sms_TelNo", 13, 24, 100, 0, Shown::Always, "目的号码", kRightAligned, 0},
    {K::Edit, "edt_Sms_TelNo", 119, 21, 161, 0, Shown::Always, "", kDigitsOnly, 0},
    {K::Label, "lbl_Sms_Msg", 13, 59, 100, 0, Shown::Always, "短信内容", kRightAligned, 0},
    {K::Memo, "mmo_Sms_Msg", 119, 56, 161, 65, Shown::Always, "", kNoFlags, 0},
    {K::Button, "btn_Sms_Send", 119, 136, 161, 25, Shown::Always, "", kNoFlags, 0},
};

bool IsEnterKey(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           !(key.modifiers() & Qt::ControlModifier);
}

}  // namespace

AtCommandPage::AtCommandPage(QWidget* page, DigitsOnlyFilter* digitsOnly, NamedControls& named)
    : QObject(page) {
    const auto groups = CreateControls(page, kAtCmdPage, digitsOnly, named);
    const auto commands = CreateControls(groups[RowIndex(kAtCmdPage, "grp_CommonAtCmd")],
                                         kAtCommandGroup, digitsOnly, named);
    version_ = static_cast<QPushButton*>(commands[RowIndex(kAtCommandGroup, "btn_At_GetCiver")]);
    const auto sms = CreateControls(groups[RowIndex(kAtCmdPage, "grp_SendSms")], kSendSmsGroup,
                                    digitsOnly, named);
    message_ = static_cast<QPlainTextEdit*>(sms[RowIndex(kSendSmsGroup, "mmo_Sms_Msg")]);
    sendSms_ = static_cast<QPushButton*>(sms[RowIndex(kSendSmsGroup, "btn_Sms_Send")]);
    message_->installEventFilter(this);
}

bool AtCommandPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == message_ && event->type() == QEvent::KeyPress &&
        IsEnterKey(*static_cast<QKeyEvent*>(event))) {
        QApplication::beep();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace dtu
