#include <QAction>
#include <QActionGroup>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "lang/lang_list.h"
#include "mainwindow/hint_switch.h"
#include "mainwindow/info_area.h"
#include "mainwindow/main_window.h"
#include "mainwindow/widget_tags.h"
#include "widgets/lang_qt.h"
#include "widgets/web_address.h"

namespace dtu {

namespace {

struct ActionRow {
    const char* name;
    int tag;
    const char* button;        // the button that runs it
    QKeyCombination shortcut;  // Qt::Key_unknown: none
};

constexpr QKeyCombination kNone{Qt::Key_unknown};

constexpr ActionRow kActions[] = {
    {"actAskAll", 1, "btn_Read", kNone},
    {"actSetAll", 2, "btn_SetAll", QKeyCombination(Qt::Key_F9)},
    {"actReset", 3, "btn_Default", kNone},
    {"actRestart", 4, "btn_ReStart", kNone},
    {"actSend", 5, "btn_Send", QKeyCombination(Qt::ControlModifier, Qt::Key_Return)},
    {"actIntoCfg", 6, "btn_PPPA", kNone},
    {"actIntoEntm", 7, "btn_ENTM", kNone},
    {"actAskVer", 8, "btn_At_GetCiver", kNone},
    {"actSendSms", 9, "btn_Sms_Send", kNone},
};

enum class EntryKind { Item, Separator, SubMenuStart, SubMenuEnd };

struct MenuRow {
    EntryKind kind;
    const char* name;
    int tag;
    const char* caption;
    bool visible;
};

constexpr MenuRow kFileMenu[] = {
    {EntryKind::Item, "N11", 1, "恢复默认配置", true},
    {EntryKind::Item, "N2", 2, "读取设备配置", true},
    {EntryKind::Item, "N5", 3, "配置全部参数", true},
    {EntryKind::Separator, "", 0, "", true},
    {EntryKind::Item, "mni_ExportProfile", 24, "导出配置文件...", true},
    {EntryKind::Item, "mni_ImportProfile", 25, "导入配置文件...", true},
    {EntryKind::Separator, "", 0, "", true},
    {EntryKind::Item, "N14", 10, "关闭串口", true},
    {EntryKind::Separator, "", 0, "", true},
    {EntryKind::Item, "mni_SaveLog", 18, "保存日志...", true},
    {EntryKind::Item, "mni_TimeStamps", 19, "显示时间戳", true},
    {EntryKind::Separator, "", 0, "", true},
    {EntryKind::Item, "N_Exit", 4, "退出程序", true},
};

constexpr MenuRow kHelpMenu[] = {
    {EntryKind::SubMenuStart, "N15", 0, "使用手册", false},
    {EntryKind::Item, "N16", 13, "入门手册", true},
    {EntryKind::Item, "N17", 14, "产品手册", true},
    {EntryKind::Item, "N18", 15, "知识问答", true},
    {EntryKind::Item, "D2D1", 16, "D2D服务", true},
    {EntryKind::Item, "N13", 9, "其他配置方式", true},
    {EntryKind::SubMenuEnd, "", 0, "", true},
    {EntryKind::Separator, "", 0, "", false},
    {EntryKind::Item, "N8", 6, "关于...", true},
    {EntryKind::Item, "N12", 7, "检查更新", false},
    {EntryKind::Item, "N10", 8, "访问站点", false},
    {EntryKind::Item, "Hint_Mouse_Enable", 11, "禁用悬停提示", true},
    {EntryKind::Item, "mni_WorkOrder", 17, "提交问题", false},
};

// Menu tags that open a page of the maker's site whose address is no language text.
struct PageRow {
    int tag;
    const char* url;
};

constexpr PageRow kManualPages[] = {
    {13, "https://velkor.example.com/manuals/getting-started"},
    {14, "https://velkor.example.com/manuals/product"},
    {15, "https://velkor.example.com/faq"},
    {16, "https://velkor.example.com/d2d"},
};

// Menu tags that open the address held by a language text.
struct LinkRow {
    int tag;
    const char* key;
};

constexpr LinkRow kLinkTexts[] = {
    {7, "lang_DownWeb"},
    {8, "lang_About_Website"},
    {17, "lang_WorkOrder"},
};

constexpr const char* kLogFileName = "'dtuconfig-log-'yyyyMMdd-HHmmss'.txt'";
constexpr const char* kHtmlSuffix = ".html";
constexpr const char* kTextSuffix = ".txt";

QAction* NamedAction(QObject* parent, const char* name, int tag, const char* caption) {
    auto* action = new QAction(QString::fromUtf8(caption), parent);
    action->setObjectName(name);
    SetTag(action, tag);
    return action;
}

}  // namespace

void Tfrm_MainLx1::BuildActions() {
    auto* list = new QActionGroup(this);
    list->setObjectName("actlstDo");
    list->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (const ActionRow& row : kActions) {
        QAction* action = NamedAction(list, row.name, row.tag, row.name);
        list->addAction(action);
        if (row.shortcut.key() != Qt::Key_unknown) {
            action->setShortcut(QKeySequence(row.shortcut));
        }
        addAction(action);
        connect(action, &QAction::triggered, this,
                [this, tag = row.tag] { emit operationRequested(tag); });
        connect(Child<QPushButton>(row.button), &QPushButton::clicked, action, &QAction::trigger);
    }
}

void Tfrm_MainLx1::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("mm1");
    auto addItems = [this](QMenu* menu, const auto& rows) {
        QMenu* target = menu;
        for (const MenuRow& row : rows) {
            switch (row.kind) {
                case EntryKind::Separator:
                    target->addSeparator()->setVisible(row.visible);
                    break;
                case EntryKind::SubMenuStart:
                    target = menu->addMenu(QString::fromUtf8(row.caption));
                    target->setObjectName(row.name);
                    target->menuAction()->setObjectName(row.name);
                    target->menuAction()->setVisible(row.visible);
                    break;
                case EntryKind::SubMenuEnd:
                    target = menu;
                    break;
                case EntryKind::Item: {
                    QAction* item = NamedAction(target, row.name, row.tag, row.caption);
                    item->setVisible(row.visible);
                    target->addAction(item);
                    connect(item, &QAction::triggered, this,
                            [this, item] { MenuClick(Tag(item)); });
                    break;
                }
            }
        }
    };

    QMenu* file = bar->addMenu(QString::fromUtf8("文件(&F)"));
    file->setObjectName("N1");
    file->menuAction()->setObjectName("N1");
    addItems(file, kFileMenu);

    QAction* reopen = NamedAction(bar, "N7", 12, "以保存的串口配置重开串口");
    reopen->setShortcut(QKeySequence(Qt::Key_F8));
    reopen->setVisible(false);
    bar->addAction(reopen);
    connect(reopen, &QAction::triggered, this, [this] { MenuClick(12); });
    // A hidden entry's shortcut is off, so F8 has a shortcut of its own meanwhile.
    reopenShortcut_ = new QShortcut(QKeySequence(Qt::Key_F8), this);
    reopenShortcut_->setObjectName("N7_shortcut");
    connect(reopenShortcut_, &QShortcut::activated, reopen, &QAction::trigger);

    QAction* language = NamedAction(bar, "N3", 5, "English(&L)");
    language->setToolTip(QString::fromUtf8("切换中英文"));
    bar->addAction(language);
    connect(language, &QAction::triggered, this, [this] { MenuClick(5); });

    QMenu* help = bar->addMenu(QString::fromUtf8("帮助(&H)"));
    help->setObjectName("N4");
    help->menuAction()->setObjectName("N4");
    addItems(help, kHelpMenu);
    Child<QAction>("Hint_Mouse_Enable")->setCheckable(true);
    Child<QAction>("mni_TimeStamps")->setCheckable(true);
}

void Tfrm_MainLx1::SetReopenItemVisible(bool visible) {
    Child<QAction>("N7")->setVisible(visible);
    reopenShortcut_->setEnabled(!visible);
}

void Tfrm_MainLx1::MenuClick(int tag) {
    for (const PageRow& row : kManualPages) {
        if (row.tag == tag) {
            OpenWebAddress(QString::fromUtf8(row.url));
            return;
        }
    }
    for (const LinkRow& row : kLinkTexts) {
        if (row.tag == tag) {
            OpenWebAddress(Tr(row.key));
            return;
        }
    }
    switch (tag) {
        case 1:
            Child<QPushButton>("btn_Default")->click();
            break;
        case 2:
            Child<QPushButton>("btn_Read")->click();
            break;
        case 3:
            Child<QPushButton>("btn_SetAll")->click();
            break;
        case 4:
            close();
            break;
        case 5:
            SwitchLanguage();
            break;
        case 6:
            if (showAbout) {
                showAbout();
            }
            break;
        case 9:
            QMessageBox::information(this, windowTitle(), Tr("lang_Hint_Message"));
            break;
        case 10:
            session_.ClosePort();
            if (showLoginWindow) {
                showLoginWindow();
            }
            hide();
            break;
        case 11:
            ToggleHints();
            break;
        case 12:
            session_.ReopenWithSavedSettings();
            break;
        case 18:
            SaveLogAs();
            break;
        case 19:
            ToggleTimeStamps();
            break;
        case 24:
            ExportProfile();
            break;
        case 25:
            ImportProfile();
            break;
        default:
            break;
    }
}

void Tfrm_MainLx1::SwitchLanguage() {
    if (LangList != nullptr) {
        LangList->IsChinese = !LangList->IsChinese;
    }
    ApplyMainTexts();
    if (applyDialogTexts) {
        applyDialogTexts();
    }
}

void Tfrm_MainLx1::ToggleTimeStamps() {
    info_->SetTimeStamps(!info_->TimeStamps());
    Child<QAction>("mni_TimeStamps")->setChecked(info_->TimeStamps());
}

void Tfrm_MainLx1::SaveLogAs() {
    const QString folder = QDir(logFolder_).exists() ? logFolder_ : QDir::homePath();
    const QString name = QDateTime::currentDateTime().toString(kLogFileName);
    QString filter;
    QString path =
        QFileDialog::getSaveFileName(this, Tr("lang_Menu_SaveLog"), QDir(folder).filePath(name),
                                     Tr("lang_SaveLog_Filter"), &filter);
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
        QMessageBox::warning(this, windowTitle(), Tr("lang_Info_LogNotSaved").arg(path, error));
        return;
    }
    logFolder_ = QFileInfo(path).absolutePath();
    info_->ShowInfoLine(Tr("lang_Info_LogSaved").arg(QDir::toNativeSeparators(path)));
}

void Tfrm_MainLx1::ToggleHints() {
    hints_->SetOn(!hints_->IsOn());
    Child<QAction>("Hint_Mouse_Enable")->setChecked(hints_->IsOn());
}

}  // namespace dtu
