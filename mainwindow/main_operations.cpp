#include <QMessageBox>
#include <QPushButton>

#include "mainwindow/info_area.h"
#include "mainwindow/info_group.h"
#include "mainwindow/main_window.h"
#include "mainwindow/run_report.h"
#include "mainwindow/send_area.h"
#include "mainwindow/two_way_question.h"
#include "widgets/lang_qt.h"

namespace dtu {

void Tfrm_MainLx1::ConnectOperations() {
    // With the hex view on, each block shows as it came before the reply
    // handling reads it.
    session_.SetReceiveHook([this](const std::string& block, const std::function<void()>& pass) {
        if (infoGroup_->HexViewOn()) {
            info_->ShowHexBlock(QByteArray(block.data(), static_cast<qsizetype>(block.size())));
        }
        pass();
    });
}

void Tfrm_MainLx1::SendFromSendBox() {
    const std::string sent = sendArea_->TakeForSending();
    session_.SendRaw(sent);
    report_->SentFromSendBox(sent);
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

}  // namespace dtu
