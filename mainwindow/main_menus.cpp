#include <QAction>
#include <QActionGroup>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "mainwindow/at_command_page.h"
#include "mainwindow/bottom_buttons.h"
#include "mainwindow/data_page.h"
#include "mainwindow/form_write.h"
#include "mainwindow/hint_switch.h"
#include "mainwindow/info_area.h"
#include "mainwindow/main_questions.h"
#include "mainwindow/main_window.h"
#include "mainwindow/run_report.h"
#include "mainwindow/send_area.h"
#include "mainwindow/work_mode_pages.h"
#include "render/open_error_text.h"
#include "widgets/lang_qt.h"
#include "widgets/web_address.h"

namespace dtu {

namespace {

constexpr const char* kLogFileName = "'dtuconfig-log-'yyyyMMdd-HHmmss'.txt'";
constexpr const char* kHtmlSuffix = ".html";
constexpr const char* kTextSuffix = ".txt";

// Entries keep the number they always carried as their "tag" property.
QAction* NamedAction(QObject* parent, const char* name, int tag, const char* caption,
                     NamedControls& named) {
    auto* action = new QAction(QString::fromUtf8(caption), parent);
    action->setObjectName(name);
    action->setProperty("tag", tag);
    named.Record(action);
    return action;
}

// The menu and its entry in the menu above share the name; the texts go to the menu.
void NameMenu(QMenu* menu, const char* name, NamedControls& named) {
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    named.Record(menu);
}

}  // namespace

QAction* Tfrm_MainLx1::AddOperation(QActionGroup* list, const char* name, int tag,
                                    QPushButton* button, const std::function<void()>& run) {
    QAction* action = NamedAction(list, name, tag, name, named_);
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

QAction* Tfrm_MainLx1::AddMenuItem(QMenu* menu, const char* name, int tag, const char* caption,
                                   const std::function<void()>& run) {
    QAction* item = NamedAction(menu, name, tag, caption, named_);
    menu->addAction(item);
    connect(item, &QAction::triggered, this, run);
    return item;
}

void Tfrm_MainLx1::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("mm1");

    QMenu* file = bar->addMenu(QString::fromUtf8("文件(&F)"));
    NameMenu(file, "N1", named_);
    AddMenuItem(file, "N11", 1, "恢复默认配置", [this] { factoryReset_->trigger(); });
    AddMenuItem(file, "N2", 2, "读取设备配置", [this] { readAll_->trigger(); });
    AddMenuItem(file, "N5", 3, "配置全部参数", [this] { writeAll_->trigger(); });
    file->addSeparator();
    AddMenuItem(file, "mni_ExportProfile", 24, "导出配置文件...", [this] { ExportProfile(); });
    AddMenuItem(file, "mni_ImportProfile", 25, "导入配置文件...", [this] { ImportProfile(); });
    AddMenuItem(file, "mni_DeviceList", 26, "设备清单...", [this] { OpenDeviceList(); });
    file->addSeparator();
    AddMenuItem(file, "N14", 10, "关闭串口", [this] { ClosePortToLogin(); });
    file->addSeparator();
    AddMenuItem(file, "mni_SaveLog", 18, "保存日志...", [this] { SaveLogAs(); });
    timeStampsItem_ =
        AddMenuItem(file, "mni_TimeStamps", 19, "显示时间戳", [this] { ToggleTimeStamps(); });
    timeStampsItem_->setCheckable(true);
    file->addSeparator();
    AddMenuItem(file, "N_Exit", 4, "退出程序", [this] { close(); });

    reopenItem_ = NamedAction(bar, "N7", 12, "以保存的串口配置重开串口", named_);
    reopenItem_->setShortcut(QKeySequence(Qt::Key_F8));
    reopenItem_->setVisible(false);
    bar->addAction(reopenItem_);
    connect(reopenItem_, &QAction::triggered, this, &Tfrm_MainLx1::ReopenWithSavedPort);
    // A hidden entry's shortcut is off, so F8 has a shortcut of its own meanwhile.
    reopenShortcut_ = new QShortcut(QKeySequence(Qt::Key_F8), this);
    reopenShortcut_->setObjectName("N7_shortcut");
    connect(reopenShortcut_, &QShortcut::activated, reopenItem_, &QAction::trigger);

    QAction* language = NamedAction(bar, "N3", 5, "English(&L)", named_);
    language->setToolTip(QString::fromUtf8("切换中英文"));
    bar->addAction(language);
    connect(language, &QAction::triggered, this, &Tfrm_MainLx1::SwitchLanguage);

    helpMenu_ = bar->addMenu(QString::fromUtf8("帮助(&H)"));
    NameMenu(helpMenu_, "N4", named_);
    BuildHelpMenu(helpMenu_);
}

void Tfrm_MainLx1::BuildHelpMenu(QMenu* help) {
    // The manuals' addresses are no language texts.
    auto openPage = [](const char* url) {
        return [url] { OpenWebAddress(QString::fromUtf8(url)); };
    };
    auto openTextAddress = [this](const char* key) {
        return [this, key] { OpenWebAddress(Tr(language_, key)); };
    };

    QMenu* manuals = help->addMenu(QString::fromUtf8("使用手册"));
    NameMenu(manuals, "N15", named_);
    manuals->menuAction()->setVisible(false);
    AddMenuItem(manuals, "N16", 13, "入门手册",
                openPage("https://velkor.example.com/manuals/getting-started"));
    AddMenuItem(manuals, "N17", 14, "产品手册",
                openPage("https://velkor.example.com/manuals/product"));
    AddMenuItem(manuals, "N18", 15, "知识问答", openPage("https://velkor.example.com/faq"));
    AddMenuItem(manuals, "D2D1", 16, "D2D服务", openPage("https://velkor.example.com/d2d"));
    AddMenuItem(manuals, "N13", 9, "其他配置方式", [this] {
        QMessageBox::information(this, windowTitle(), Tr(language_, "lang_Hint_Message"));
    });
    help->addSeparator()->setVisible(false);
    AddMenuItem(help, "N8", 6, "关于...", [this] {
        if (showAbout) {
            showAbout();
        }
    });
    AddMenuItem(help, "N12", 7, "检查更新", openTextAddress("lang_DownWeb"))->setVisible(false);
    AddMenuItem(help, "N10", 8, "访问站点", openTextAddress("lang_About_Website"))
        ->setVisible(false);
    hintsItem_ =
        AddMenuItem(help, "Hint_Mouse_Enable", 11, "禁用悬停提示", [this] { ToggleHints(); });
    hintsItem_->setCheckable(true);
    AddMenuItem(help, "mni_WorkOrder", 17, "提交问题", openTextAddress("lang_WorkOrder"))
        ->setVisible(false);
}

void Tfrm_MainLx1::SendFromSendBox() {
    const std::string sent = sendArea_->TakeForSending();
    session_.SendRaw(sent);
    report_->SentFromSendBox(sent);
}

void Tfrm_MainLx1::SetReopenItemVisible(bool visible) {
    reopenItem_->setVisible(visible);
    reopenShortcut_->setEnabled(!visible);
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

void Tfrm_MainLx1::ToggleTimeStamps() {
    info_->SetTimeStamps(!info_->TimeStamps());
    timeStampsItem_->setChecked(info_->TimeStamps());
}

void Tfrm_MainLx1::SaveLogAs() {
    const QString folder = QDir(logFolder_).exists() ? logFolder_ : QDir::homePath();
    const QString name = QDateTime::currentDateTime().toString(kLogFileName);
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, Tr(language_, "lang_Menu_SaveLog"),
                                                QDir(folder).filePath(name),
                                                Tr(language_, "lang_SaveLog_Filter"), &filter);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += filter.contains(kHtmlSuffix) ? kHtmlSuffix : kTextSuffix;
    }
    SaveLogTo(path);
}

void Tfrm_MainLx1::SaveLogTo(const QString& path) {
    const QString error = info_->SaveLog(path);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, windowTitle(),
                             Tr(language_, "lang_Info_LogNotSaved").arg(path, error));
        return;
    }
    logFolder_ = QFileInfo(path).absolutePath();
    info_->ShowInfoLine(Tr(language_, "lang_Info_LogSaved").arg(QDir::toNativeSeparators(path)));
}

void Tfrm_MainLx1::ToggleHints() {
    hints_->SetOn(!hints_->IsOn());
    hintsItem_->setChecked(hints_->IsOn());
}

}  // namespace dtu
