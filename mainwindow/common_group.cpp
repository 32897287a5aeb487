#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include "mainwindow/form_controls.h"
#include "mainwindow/main_window.h"

namespace dtu {

namespace {

using K = ControlKind;

constexpr FormControl kCommonGroup[] = {
    {K::Label, "lbl_APN", 13, 20, 90, 0, Shown::Always, "APN账号", kRightAligned, 0},
    {K::Combo, "cbb_APN", 119, 18, 66, 0, Shown::Always, "移动|联通|其他", kNoFlags, 0},
    {K::Edit, "edt_APN_other", 192, 18, 87, 0, Shown::Always, "", kDisabled, 0},
    {K::Label, "lbl_ComBaudRate", 13, 45, 90, 0, Shown::Always, "设备波特率", kRightAligned, 0},
    {K::Combo, "cbb_Com_BaudRate", 119, 43, 160, 0, Shown::Always, "", kNoFlags, 10},
    {K::Label, "lbl_ComParam", 13, 70, 90, 0, Shown::Always, "检验/数据/停止", kRightAligned, 0},
    {K::Combo, "cbb_Com_Parity", 119, 68, 66, 0, Shown::Always, "", kNoFlags, 0},
    {K::Combo, "cbb_Com_Byte", 190, 68, 41, 0, Shown::Always, "", kNoFlags, 1},
    {K::Combo, "cbb_Com_Stop", 238, 68, 41, 0, Shown::Always, "", kNoFlags, 0},
    {K::Label, "lbl_WorkMode", 13, 95, 90, 0, Shown::Always, "工作模式", kRightAligned, 0},
    {K::Combo, "cbb_WorkMode", 118, 93, 160, 0, Shown::Always,
     "数据透传模式|串口命令模式|AT指令模式|Httpd Client模式|短信透传模式", kNoFlags, 0},
};

}  // namespace

void Tfrm_MainLx1::BuildCommonGroup(QWidget* central) {
    commonGroup_ = new QGroupBox(central);
    QWidget* group = commonGroup_;
    group->setObjectName("grp_common");
    group->setGeometry(16, 7, 405, 126);
    const auto created = CreateControls(group, kCommonGroup, digitsOnly_, named_);
    apnChoice_ = static_cast<QComboBox*>(created[RowIndex(kCommonGroup, "cbb_APN")]);
    apnField_ = static_cast<QLineEdit*>(created[RowIndex(kCommonGroup, "edt_APN_other")]);
    workMode_ = static_cast<QComboBox*>(created[RowIndex(kCommonGroup, "cbb_WorkMode")]);
}

}  // namespace dtu
