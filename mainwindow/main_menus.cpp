#include "mainwindow/main_menus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>

#include "mainwindow/hint_switch.h"
#include "mainwindow/info_area.h"
#include "mainwindow/named_controls.h"
#include "widgets/lang_qt.h"
#include "widgets/web_address.h"

namespace dtu {

namespace {

// The menu and its entry in the menu above share the name; the texts go to the menu.
void NameMenu(QMenu* menu, const char* name, NamedControls& named) {
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    named.Record(menu);
}

}  // namespace

QAction* NewNamedAction(QObject* parent, const char* name, int tag, const char* caption,
                        NamedControls& named) {
    auto* action = new QAction(QString::fromUtf8(caption), parent);
    action->setObjectName(name);
    action->setProperty("tag", tag);
    named.Record(action);
    return action;
}

MainMenus::MainMenus(QMainWindow* window, NamedControls& named, const TLangList& language,
                     InfoArea& info, HintSwitch& hints, MenuCommands commands)
    : QObject(window),
      window_(window),
      named_(named),
      language_(language),
      info_(info),
      hints_(hints),
      commands_(std::move(commands)) {
    QMenuBar* bar = window->menuBar();
    bar->setObjectName("mm1");

    QMenu* file = bar->addMenu(QString::fromUtf8("文件(&F)"));
    NameMenu(file, "N1", named_);
    BuildFile(file);

    reopenItem_ = NewNamedAction(bar, "N7", 12, "以保存的串口配置重开串口", named_);
    reopenItem_->setShortcut(QKeySequence(Qt::Key_F8));
    reopenItem_->setVisible(false);
    bar->addAction(reopenItem_);
    connect(reopenItem_, &QAction::triggered, this, [this] { commands_.reopen(); });
    // A hidden entry's shortcut is off, so F8 has a shortcut of its own meanwhile.
    reopenShortcut_ = new QShortcut(QKeySequence(Qt::Key_F8), window);
    reopenShortcut_->setObjectName("N7_shortcut");
    connect(reopenShortcut_, &QShortcut::activated, reopenItem_, &QAction::trigger);

    QAction* languageItem = NewNamedAction(bar, "N3", 5, "English(&L)", named_);
    languageItem->setToolTip(QString::fromUtf8("切换中英文"));
    bar->addAction(languageItem);
    connect(languageItem, &QAction::triggered, this, [this] { commands_.switchLanguage(); });

    helpMenu_ = bar->addMenu(QString::fromUtf8("帮助(&H)"));
    NameMenu(helpMenu_, "N4", named_);
    BuildHelp(helpMenu_);
}

QAction* MainMenus::AddItem(QMenu* menu, const char* name, int tag, const char* caption,
                            const std::function<void()>& run) {
    QAction* item = NewNamedAction(menu, name, tag, caption, named_);
    menu->addAction(item);
    connect(item, &QAction::triggered, this, run);
    return item;
}

void MainMenus::BuildFile(QMenu* file) {
    AddItem(file, "N11", 1, "恢复默认配置", commands_.factoryReset);
    AddItem(file, "N2", 2, "读取设备配置", commands_.readAll);
    AddItem(file, "N5", 3, "配置全部参数", commands_.writeAll);
    AddItem(file, "mni_CompareDevice", 26, "与设备比较", commands_.compare);
    file->addSeparator();
    AddItem(file, "mni_ExportProfile", 24, "导出配置文件...", commands_.exportProfile);
    AddItem(file, "mni_ImportProfile", 25, "导入配置文件...", commands_.importProfile);
    AddItem(file, "mni_DeviceList", 27, "设备清单...", commands_.deviceList);
    file->addSeparator();
    AddItem(file, "N14", 10, "关闭串口", commands_.closePort);
    file->addSeparator();
    AddItem(file, "mni_SaveLog", 18, "保存日志...", commands_.saveLog);
    timeStampsItem_ = AddItem(file, "mni_TimeStamps", 19, "显示时间戳", [this] {
        info_.SetTimeStamps(!info_.TimeStamps());
        ShowChecks();
    });
    timeStampsItem_->setCheckable(true);
    file->addSeparator();
    AddItem(file, "N_Exit", 4, "退出程序", commands_.quit);
}

void MainMenus::BuildHelp(QMenu* help) {
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
    AddItem(manuals, "N16", 13, "入门手册",
            openPage("https://velkor.example.com/manuals/getting-started"));
    AddItem(manuals, "N17", 14, "产品手册", openPage("https://velkor.example.com/manuals/product"));
    AddItem(manuals, "N18", 15, "知识问答", openPage("https://velkor.example.com/faq"));
    AddItem(manuals, "D2D1", 16, "D2D服务", openPage("https://velkor.example.com/d2d"));
    AddItem(manuals, "N13", 9, "其他配置方式", [this] {
        QMessageBox::information(window_, window_->windowTitle(),
                                 Tr(language_, "lang_Hint_Message"));
    });
    help->addSeparator()->setVisible(false);
    AddItem(help, "N8", 6, "关于...", commands_.about);
    AddItem(help, "N12", 7, "检查更新", openTextAddress("lang_DownWeb"))->setVisible(false);
    AddItem(help, "N10", 8, "访问站点", openTextAddress("lang_About_Website"))->setVisible(false);
    hintsItem_ = AddItem(help, "Hint_Mouse_Enable", 11, "禁用悬停提示", [this] {
        hints_.SetOn(!hints_.IsOn());
        ShowChecks();
    });
    hintsItem_->setCheckable(true);
    AddItem(help, "mni_WorkOrder", 17, "提交问题", openTextAddress("lang_WorkOrder"))
        ->setVisible(false);
}

void MainMenus::SetReopenVisible(bool visible) {
    reopenItem_->setVisible(visible);
    reopenShortcut_->setEnabled(!visible);
}

void MainMenus::ShowChecks() {
    timeStampsItem_->setChecked(info_.TimeStamps());
    hintsItem_->setChecked(hints_.IsOn());
}

void MainMenus::HideHelp() {
    helpMenu_->menuAction()->setVisible(false);
}

}  // namespace dtu
