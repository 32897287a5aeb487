#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "mainwindow/form_controls.h"
#include "mainwindow/main_window.h"

namespace dtu {

namespace {

using K = ControlKind;
// The views that show a control: full, compact or both.
constexpr Shown F = Shown::FullView;
constexpr Shown C = Shown::CompactView;
constexpr Shown B = Shown::Always;
constexpr unsigned kDigits = kDigitsOnly;
constexpr unsigned kRight = kRightAligned;

// Labels as tall as the edits beside them, so their texts line up.
constexpr int kRowHeight = 21;

// The form positions, which are those of the full view. The order is the tab order.
constexpr FormControl kDataPage[] = {
    {K::Check, "chk_NetPort1", 12, 19, 90, 0, F, "1", kRight | kChecked, 0},
    {K::Edit, "edt_IP1", 117, 19, 134, 0, B, "", kNoFlags, 0},
    {K::Combo, "cbb_NetProtocol1", 258, 19, 51, 0, B, "", kNoFlags, 0},
    {K::Edit, "edt_Port1", 317, 19, 51, 0, B, "", kDigits, 0},
    {K::Check, "chk_NetPort2", 12, 44, 90, 0, F, "2", kRight, 0},
    {K::Edit, "edt_IP2", 117, 46, 134, 0, F, "", kNoFlags, 0},
    {K::Combo, "cbb_NetProtocol2", 258, 46, 51, 0, F, "", kNoFlags, 0},
    {K::Edit, "edt_Port2", 317, 46, 51, 0, F, "", kDigits, 0},
    {K::Check, "chk_NetPort3", 12, 73, 90, 0, F, "3", kRight, 0},
    {K::Edit, "edt_IP3", 117, 74, 134, 0, F, "", kNoFlags, 0},
    {K::Combo, "cbb_NetProtocol3", 258, 74, 51, 0, F, "", kNoFlags, 0},
    {K::Edit, "edt_Port3", 317, 74, 51, 0, F, "", kDigits, 0},
    {K::Check, "chk_NetPort4", 12, 102, 90, 0, F, "4", kRight, 0},
    {K::Edit, "edt_IP4", 117, 102, 134, 0, F, "", kNoFlags, 0},
    {K::Combo, "cbb_NetProtocol4", 258, 102, 51, 0, F, "", kNoFlags, 0},
    {K::Edit, "edt_Port4", 317, 102, 51, 0, F, "", kDigits, 0},
    {K::Label, "lbl_ShowLessIP1", 12, 19, 90, kRowHeight, C, "IP或域名", kRight, 0},
    {K::Label, "lbl_ShowLessNetProtocol1", 12, 44, 90, kRowHeight, C, "网络协议", kRight, 0},
    {K::Label, "lbl_ShowLessPort1", 12, 73, 90, kRowHeight, C, "网络端口", kRight, 0},
    {K::Label, "lbl_HeartbeatTime", 12, 129, 90, kRowHeight, B, "心跳时间", kRight, 0},
    {K::Edit, "edt_HeartbeatTime", 117, 129, 134, 0, B, "", kDigits, 0},
    {K::Label, "lbl_HeartbeatTime_s", 258, 129, 0, kRowHeight, B, "秒", kNoFlags, 0},
    {K::Label, "lbl_WaitTime", 12, 157, 90, kRowHeight, F, "打包时间", kRight, 0},
    {K::Edit, "edt_WaitTime", 117, 157, 134, 0, F, "", kDigits, 0},
    {K::Label, "lbl_WaitTime_ms", 258, 157, 0, kRowHeight, F, "毫秒", kNoFlags, 0},
    {K::Label, "lbl_RestartTime", 12, 185, 90, kRowHeight, F, "自动重启时间", kRight, 0},
    {K::Edit, "edt_RestartTime", 117, 185, 134, 0, F, "", kDigits, 0},
    {K::Label, "lbl_lbl_RestartTime_s", 258, 185, 0, kRowHeight, F, "秒", kNoFlags, 0},
    {K::Label, "lbl_HeartbeatFormat", 12, 213, 90, kRowHeight, B, "心跳包格式", kRight, 0},
    {K::Edit, "edt_HeartbeatFormat", 117, 213, 134, 0, B, "", kNoFlags, 0},
    {K::Check, "chk_HeartbeatFormat", 258, 213, 0, 0, B, "hex", kNoFlags, 0},
    {K::Combo, "cbb_HeartbeatTo", 322, 213, 56, 0, F, "向网络发心跳包|向串口发心跳包", kNoFlags, 0},
    {K::Label, "lbl_RegFormat", 12, 240, 90, kRowHeight, B, "注册包格式", kRight, 0},
    {K::Edit, "edt_RegFormat", 117, 240, 134, 0, B, "", kNoFlags, 0},
    {K::Check, "chk_RegFormat", 258, 240, 0, 0, B, "hex", kNoFlags, 0},
    {K::Combo, "cbb_RegMode", 322, 240, 56, 0, F, "连接即发注册包|数据携带注册包", kNoFlags, 0},
    {K::LabelledEdit, "lbledt_D2D_ID", 117, 268, 134, 0, F, "D2D ID   ", kDigits | kDisabled, 0},
    {K::Check, "chk_D2DEnable", 258, 268, 138, 0, F, "启用D2D转发服务", kNoFlags, 0},
    {K::Check, "chk_NetAtEnable", 117, 296, 138, 0, F, "启用网络AT指令", kNoFlags, 0},
    {K::Check, "chk_ComAtEnable", 258, 296, 138, 0, F, "启用串口AT指令", kNoFlags, 0},
    {K::Check, "chkCloudEnalbe", 117, 324, 138, 0, F, "启用透传云", kNoFlags, 0},
    {K::Check, "chk_CachEnable", 259, 324, 138, 0, F, "启用串口缓存", kNoFlags, 0},
    {K::LabelledEdit, "lbledtCloud", 115, 350, 134, 0, F, "透传云设备编号", kDigits | kDisabled, 0},
    {K::LabelledEdit, "lbledtPswd", 325, 350, 56, 0, F, "通讯密码", kDisabled, 0},
    {K::LabelledEdit, "lbledtResoc", 115, 378, 134, 0, F, "断线重连间隔", kDigits, 0},
    {K::Label, "lblResocS", 259, 380, 0, kRowHeight, F, "秒", kNoFlags, 0},
    {K::Button, "btn_ShowMore", 12, 411, 99, 25, B, "", kNoFlags, 0},
    {K::Button, "btn_PPPA", 147, 411, 99, 25, B, "+++A", kNoFlags, 0},
    {K::Button, "btn_ENTM", 282, 411, 99, 25, B, "AT+ENTM", kNoFlags, 0},
};

// Row markers, outside the visible area: their tops are the rows the views use.
constexpr int kRowTops[] = {19, 46, 74, 102, 129, 157, 185, 213, 240, 268, 296, 324};
constexpr int kRowMarkerLeft = -10;
constexpr int kRowMarkerWidth = 10;
constexpr int kRowMarkerHeight = 21;

}  // namespace

void Tfrm_MainLx1::BuildDataPage(QWidget* page) {
    const auto created = CreateControls(page, kDataPage, digitsOnly_, named_);
    for (std::size_t row = 0; row < std::size(kDataPage); ++row) {
        if (kDataPage[row].shown != Shown::Always) {
            viewOnly_.push_back({created[row], kDataPage[row].shown});
        }
    }
    showMore_ = static_cast<QPushButton*>(created[RowIndex(kDataPage, "btn_ShowMore")]);
    d2dId_ = static_cast<QLineEdit*>(created[RowIndex(kDataPage, "lbledt_D2D_ID")]);
    regFormat_ = static_cast<QLineEdit*>(created[RowIndex(kDataPage, "edt_RegFormat")]);
    cloudName_ = static_cast<QLineEdit*>(created[RowIndex(kDataPage, "lbledtCloud")]);
    cloudPassword_ = static_cast<QLineEdit*>(created[RowIndex(kDataPage, "lbledtPswd")]);
    cloudEnable_ = static_cast<QCheckBox*>(created[RowIndex(kDataPage, "chkCloudEnalbe")]);
    cacheEnable_ = static_cast<QCheckBox*>(created[RowIndex(kDataPage, "chk_CachEnable")]);
    host1_ = created[RowIndex(kDataPage, "edt_IP1")];
    socketEnables_ = {static_cast<QCheckBox*>(created[RowIndex(kDataPage, "chk_NetPort1")]),
                      static_cast<QCheckBox*>(created[RowIndex(kDataPage, "chk_NetPort2")]),
                      static_cast<QCheckBox*>(created[RowIndex(kDataPage, "chk_NetPort3")]),
                      static_cast<QCheckBox*>(created[RowIndex(kDataPage, "chk_NetPort4")])};
    protocols_ = {static_cast<QComboBox*>(created[RowIndex(kDataPage, "cbb_NetProtocol1")]),
                  static_cast<QComboBox*>(created[RowIndex(kDataPage, "cbb_NetProtocol2")]),
                  static_cast<QComboBox*>(created[RowIndex(kDataPage, "cbb_NetProtocol3")]),
                  static_cast<QComboBox*>(created[RowIndex(kDataPage, "cbb_NetProtocol4")])};
    ports_ = {created[RowIndex(kDataPage, "edt_Port1")], created[RowIndex(kDataPage, "edt_Port2")],
              created[RowIndex(kDataPage, "edt_Port3")], created[RowIndex(kDataPage, "edt_Port4")]};
    packetRows_ = {
        PacketRow{static_cast<QLineEdit*>(created[RowIndex(kDataPage, "edt_HeartbeatFormat")]),
                  created[RowIndex(kDataPage, "chk_HeartbeatFormat")],
                  static_cast<QComboBox*>(created[RowIndex(kDataPage, "cbb_HeartbeatTo")])},
        PacketRow{regFormat_, created[RowIndex(kDataPage, "chk_RegFormat")],
                  static_cast<QComboBox*>(created[RowIndex(kDataPage, "cbb_RegMode")])}};
    hostLabel1_ = created[RowIndex(kDataPage, "lbl_ShowLessIP1")];
    protocolLabel1_ = created[RowIndex(kDataPage, "lbl_ShowLessNetProtocol1")];
    portLabel1_ = created[RowIndex(kDataPage, "lbl_ShowLessPort1")];
    buttons_.commandMode = static_cast<QPushButton*>(created[RowIndex(kDataPage, "btn_PPPA")]);
    buttons_.dataMode = static_cast<QPushButton*>(created[RowIndex(kDataPage, "btn_ENTM")]);
    heartbeatTimeRow_ = {created[RowIndex(kDataPage, "lbl_HeartbeatTime")],
                         created[RowIndex(kDataPage, "edt_HeartbeatTime")],
                         created[RowIndex(kDataPage, "lbl_HeartbeatTime_s")]};
    heartbeatPacketRow_ = {created[RowIndex(kDataPage, "lbl_HeartbeatFormat")],
                           created[RowIndex(kDataPage, "edt_HeartbeatFormat")],
                           created[RowIndex(kDataPage, "chk_HeartbeatFormat")]};
    regPacketRow_ = {created[RowIndex(kDataPage, "lbl_RegFormat")], regFormat_,
                     created[RowIndex(kDataPage, "chk_RegFormat")]};
    familyControls_.push_back(created[RowIndex(kDataPage, "lbledtResoc")]);
    familyControls_.push_back(created[RowIndex(kDataPage, "lblResocS")]);
    cloudName_->setToolTip("length is 20");
    cloudPassword_->setToolTip("length is 8");
    int row = 1;
    for (int top : kRowTops) {
        auto* marker = new QPushButton(page);
        marker->setObjectName(QStringLiteral("btn%1").arg(row++));
        marker->setGeometry(kRowMarkerLeft, top, kRowMarkerWidth, kRowMarkerHeight);
        marker->setFocusPolicy(Qt::NoFocus);
        rowMarkers_.push_back(marker);
    }
}

}  // namespace dtu
