#include "mainwindow/info_group.h"

#include <QCheckBox>
#include <QProgressBar>

#include "mainwindow/clear_label.h"
#include "mainwindow/form_controls.h"
#include "mainwindow/info_area.h"
#include "mainwindow/log_find.h"
#include "mainwindow/named_controls.h"
#include "widgets/clickable_label.h"

namespace dtu {

namespace {

using K = ControlKind;

// The find bar fills the gap between the log and the progress bar.
constexpr QRect kFindBar{16, 431, 335, 22};
constexpr QRect kHexViewSwitch{150, 11, 96, 20};

constexpr FormControl kInfoGroup[] = {
    {K::Label, "lbl_Info", 17, 13, 120, 0, Shown::Always, "信息提示区", kNoFlags, 0},
};

}  // namespace

InfoGroup::InfoGroup(QWidget* parent, DigitsOnlyFilter* digitsOnly, NamedControls& named)
    : QGroupBox(parent) {
    setObjectName("grp_Info");
    CreateControls(this, kInfoGroup, digitsOnly, named);
    ClickableLabel* clear = AddClearLabel(this, "lbl_ClearInfo", "清空显示区", 256, 13, named);
    clear_ = clear;
    log_ = new InfoArea(this);
    log_->setGeometry(16, 40, 335, 389);
    connect(clear, &ClickableLabel::clicked, log_, &InfoArea::ClearArea);
    hexView_ = new QCheckBox(this);
    hexView_->setObjectName("chk_HexView");
    hexView_->setGeometry(kHexViewSwitch);
    named.Record(hexView_);
    find_ = new LogFind(log_, this);
    find_->setGeometry(kFindBar);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("pbWhile");
    progress_->setGeometry(2, 455, 364, 13);
    progress_->setTextVisible(false);
    progress_->hide();
}

bool InfoGroup::HexViewOn() const {
    return hexView_->isChecked();
}

}  // namespace dtu
