#include "mainwindow/work_mode_pages.h"

#include <QGroupBox>
#include <QLineEdit>

#include "form/form_model.h"
#include "mainwindow/at_command_page.h"
#include "mainwindow/data_page.h"
#include "mainwindow/form_controls.h"
#include "mainwindow/http_page.h"

namespace dtu {

namespace {

using K = ControlKind;

constexpr FormControl kComCmdPage[] = {
    {K::Group, "grp_CommonComCmd", 8, 80, 369, 89, Shown::Always, "附：常用串口指令", kHidden, 0},
};

constexpr FormControl kSmsPage[] = {
    {K::Label, "lbl_TelNo", 13, 139, 100, 0, Shown::Always, "目的号码", kRightAligned, 0},
    {K::Edit, "edt_TelNo", 120, 136, 153, 0, Shown::Always, "", kDigitsOnly, 0},
};

struct PageRow {
    const char* name;
    const char* caption;  // a tab caption, never shown
};

// In work-mode order: the page index is the work mode.
constexpr PageRow kPages[] = {
    {"rztbshtTabSheet_DataTran", " 数据透传"}, {"rztbshtTabSheet_ComCmd", " 串口命令"},
    {"rztbshtTabSheet_AtCmd", " AT指令"},      {"rztbshtTabSheet_HttpdClient", " Httpd Client"},
    {"rztbshtTabSheet_SmsTran", " 短信透传"},
};

}  // namespace

WorkModePages::WorkModePages(QWidget* parent, FormModel& form, const TLangList& language,
                             DigitsOnlyFilter* digitsOnly, NamedControls& named)
    : QStackedWidget(parent), form_(form) {
    setObjectName("rzpgcntrl_WorkMode");
    for (const PageRow& row : kPages) {
        auto* page = new QWidget;
        page->setObjectName(row.name);
        page->setWindowTitle(QString::fromUtf8(row.caption));
        addWidget(page);
    }
    data_ = new DataPage(widget(0), form, language, digitsOnly, named);
    CreateControls(widget(1), kComCmdPage, digitsOnly, named);
    atCommands_ = new AtCommandPage(widget(2), digitsOnly, named);
    http_ = new HttpPage(widget(3), form, digitsOnly, named);
    CreateControls(widget(4), kSmsPage, digitsOnly, named);
}

void WorkModePages::ShowCouplings(Field field) {
    if (field == Field::WorkMode) {
        ShowWorkMode();
    }
    data_->ShowCouplings(field);
}

void WorkModePages::ShowWorkMode() {
    const int mode = form_.Item(Field::WorkMode);
    if (mode >= 0 && mode < count()) {
        setCurrentIndex(mode);
    }
}

void WorkModePages::ShowFamilyControls() {
    data_->ShowFamilyControls();
    http_->ShowFamilyControls();
}

}  // namespace dtu
