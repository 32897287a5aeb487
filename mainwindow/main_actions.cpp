#include <QAction>
#include <QActionGroup>
#include <QPushButton>

#include "mainwindow/at_command_page.h"
#include "mainwindow/bottom_buttons.h"
#include "mainwindow/data_page.h"
#include "mainwindow/device_list_strip.h"
#include "mainwindow/form_write.h"
#include "mainwindow/info_area.h"
#include "mainwindow/log_saving.h"
#include "mainwindow/main_menus.h"
#include "mainwindow/main_questions.h"
#include "mainwindow/main_window.h"
#include "mainwindow/profile_files.h"
#include "mainwindow/run_report.h"
#include "mainwindow/send_area.h"
#include "mainwindow/work_mode_pages.h"
#include "render/open_error_text.h"
#include "widgets/lang_qt.h"

namespace dtu {

QAction* Tfrm_MainLx1::AddOperation(QActionGroup* list, const char* name, int tag,
                                    QPushButton* button, const std::function<void()>& run) {
    QAction* action = NewNamedAction(list, name, tag, name, named_);
    list->addAction(action);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, run] { report_->RunOperation(run); });
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return action;
}

void Tfrm_MainLx1::BuildActions() {
    auto* list = new QActionGroup(this);
    list->setObjectName("actlstDo");
    list->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    readAll_ = AddOperation(list, "actAskAll", 1, bottom_->Operations().readAll,
                            [this] { session_.ReadAll(); });
    writeAll_ = AddOperation(list, "actSetAll", 2, bottom_->Operations().writeAll,
                             [this] { formWrite_->WriteAll(); });
    writeAll_->setShortcut(QKeySequence(Qt::Key_F9));
    factoryReset_ = AddOperation(list, "actReset", 3, bottom_->Operations().factoryReset, [this] {
        if (AskFactoryReset(this)) {
            session_.FactoryReset();
        }
    });
    AddOperation(list, "actRestart", 4, bottom_->Operations().restart,
                 [this] { session_.RestartDevice(); });
    AddOperation(list, "actSend", 5, bottom_->Operations().send, [this] {
        SendFromSendBox();
    })->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_Return));
    AddOperation(list, "actIntoCfg", 6, pages_->Data().CommandModeButton(),
                 [this] { session_.EnterCommandMode(); });
    AddOperation(list, "actIntoEntm", 7, pages_->Data().DataModeButton(),
                 [this] { session_.ExitToDataMode(); });
    AddOperation(list, "actAskVer", 8, pages_->AtCommands().VersionButton(),
                 [this] { session_.QueryVersion(); });
    AddOperation(list, "actSendSms", 9, pages_->AtCommands().SendSmsButton(),
                 [this] { formWrite_->SendSms(); });
}

void Tfrm_MainLx1::BuildMenus() {
    logSaving_ = std::make_unique<LogSaving>(this, language_, *info_);
    MenuCommands commands;
    commands.factoryReset = [this] { factoryReset_->trigger(); };
    commands.readAll = [this] { readAll_->trigger(); };
    commands.writeAll = [this] { writeAll_->trigger(); };
    commands.compare = [this] { report_->RunOperation([this] { CompareWithDevice(); }); };
    connect(bottom_->Compare(), &QPushButton::clicked, this, commands.compare);
    commands.exportProfile = [this] { ExportProfile(this, language_, session_.Form(), *info_); };
    commands.importProfile = [this] {
        // A list open over the form takes the imported profile as its base.
        if (ImportProfile(this, language_, session_.Form(), *info_) && listStrip_ != nullptr) {
            listStrip_->TakeBase();
        }
    };
    commands.deviceList = [this] { OpenDeviceList(); };
    commands.closePort = [this] { ClosePortToLogin(); };
    commands.saveLog = [this] { logSaving_->AskAndSave(); };
    commands.quit = [this] { close(); };
    commands.reopen = [this] { ReopenWithSavedPort(); };
    commands.switchLanguage = [this] { SwitchLanguage(); };
    commands.about = [this] {
        if (showAbout) {
            showAbout();
        }
    };
    menus_ = new MainMenus(this, named_, language_, *info_, *hints_, std::move(commands));
}

void Tfrm_MainLx1::SetReopenItemVisible(bool visible) {
    menus_->SetReopenVisible(visible);
}

void Tfrm_MainLx1::SendFromSendBox() {
    const std::string sent = sendArea_->TakeForSending();
    session_.SendRaw(sent);
    report_->SentFromSendBox(sent);
}

void Tfrm_MainLx1::ClosePortToLogin() {
    session_.ClosePort();
    if (showLoginWindow) {
        showLoginWindow();
    }
    hide();
}

void Tfrm_MainLx1::ReopenWithSavedPort() {
    const PortTexts saved = session_.KeptForReopen();
    session_.ClosePort();
    if (saved.port.empty()) {
        // The port stays closed, as before; the log says how F8 comes to work.
        info_->ShowInfoLine(Tr(language_, "lang_Info_NoSavedPort"));
        report_->ShowFailed([this] { return Tr(language_, "lang_Info_NoSavedPort"); });
        return;
    }
    session_.BeginOpenPort(saved, [this](const OpenError& error) {
        if (error.Opened()) {
            return;
        }
        info_->ShowErrorLine(FromGbk(OpenErrorText(error, language_)));
        report_->ShowFailed([this, error] { return FromGbk(OpenErrorText(error, language_)); });
    });
}

void Tfrm_MainLx1::SwitchLanguage() {
    language_.IsChinese = !language_.IsChinese;
    ApplyMainTexts();
    if (applyDialogTexts) {
        applyDialogTexts();
    }
}

}  // namespace dtu
