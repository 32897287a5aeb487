#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "mainwindow/data_page.h"
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

constexpr FormControl kComCmdPage[] = {
    {K::Group, "grp_CommonComCmd", 8, 80, 369, 89, Shown::Always, "附：常用串口指令", kHidden, 0},
};

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

constexpr FormControl kHttpPage[] = {
    {K::Label, "lbl_IP5", 9, 62, 134, 0, Shown::Always, "IP或域名", kRightAligned, 0},
    {K::Edit, "edt_IP5", 150, 59, 197, 0, Shown::Always, "", kNoFlags, 0},
    {K::Label, "lbl_Port5", 9, 102, 134, 0, Shown::Always, "端    口", kRightAligned, 0},
    {K::Edit, "edt_Port5", 150, 98, 197, 0, Shown::Always, "", kDigitsOnly, 0},
    {K::Label, "lblHTPTP", 9, 141, 134, 0, Shown::Always, "HTTP请求方式", kRightAligned, 0},
    {K::Combo, "cbbHTPTP", 150, 138, 197, 0, Shown::Always, "", kNoFlags, 0},
    {K::Label, "lblHTPURL", 9, 180, 134, 0, Shown::Always, "HTTP请求的URL", kRightAligned, 0},
    {K::Edit, "edtHTPURL", 150, 180, 197, 0, Shown::Always, "", kNoFlags, 0},
    {K::Label, "lblHTPHD", 9, 219, 134, 0, Shown::Always, "HTTP请求头信息", kRightAligned, 0},
    {K::Memo, "mmoHTPHD", 150, 219, 197, 119, Shown::Always, "", kVerticalScroll, 0},
    // Socket 5's other settings: only the factory reset ever sets them.
    {K::Combo, "cbb_NetProtocol5", 150, 350, 51, 0, Shown::Always, "", kHidden, 0},
    {K::Check, "chk_NetPort5", 210, 350, 100, 0, Shown::Always, "启用网络5", kHidden | kChecked, 0},
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

void Tfrm_MainLx1::BuildPages(QWidget* central) {
    pages_ = new QStackedWidget(central);
    pages_->setObjectName("rzpgcntrl_WorkMode");
    pages_->setGeometry(16, 132, 405, 451);
    for (const PageRow& row : kPages) {
        auto* page = new QWidget;
        page->setObjectName(row.name);
        page->setWindowTitle(QString::fromUtf8(row.caption));
        pages_->addWidget(page);
    }
    dataPage_ = new DataPage(pages_->widget(0), session_.Form(), language_, digitsOnly_, named_);
    buttons_.commandMode = dataPage_->CommandModeButton();
    buttons_.dataMode = dataPage_->DataModeButton();
    CreateControls(pages_->widget(1), kComCmdPage, digitsOnly_, named_);
    BuildAtCmdPage(pages_->widget(2));
    const auto http = CreateControls(pages_->widget(3), kHttpPage, digitsOnly_, named_);
    for (const std::size_t row :
         {RowIndex(kHttpPage, "cbbHTPTP"), RowIndex(kHttpPage, "edtHTPURL"),
          RowIndex(kHttpPage, "mmoHTPHD"), RowIndex(kHttpPage, "lblHTPTP"),
          RowIndex(kHttpPage, "lblHTPURL"), RowIndex(kHttpPage, "lblHTPHD")}) {
        familyControls_.push_back(http[row]);
    }
    CreateControls(pages_->widget(4), kSmsPage, digitsOnly_, named_);
}

void Tfrm_MainLx1::BuildAtCmdPage(QWidget* page) {
    const auto groups = CreateControls(page, kAtCmdPage, digitsOnly_, named_);
    const auto commands = CreateControls(groups[RowIndex(kAtCmdPage, "grp_CommonAtCmd")],
                                         kAtCommandGroup, digitsOnly_, named_);
    buttons_.version =
        static_cast<QPushButton*>(commands[RowIndex(kAtCommandGroup, "btn_At_GetCiver")]);
    const auto sms = CreateControls(groups[RowIndex(kAtCmdPage, "grp_SendSms")], kSendSmsGroup,
                                    digitsOnly_, named_);
    smsMessage_ = static_cast<QPlainTextEdit*>(sms[RowIndex(kSendSmsGroup, "mmo_Sms_Msg")]);
    buttons_.sendSms = static_cast<QPushButton*>(sms[RowIndex(kSendSmsGroup, "btn_Sms_Send")]);
}

}  // namespace dtu
