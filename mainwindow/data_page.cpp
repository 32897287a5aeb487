#include "mainwindow/data_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "lang/lang_list.h"
#include "mainwindow/text_fit.h"
#include "mainwindow/text_targets.h"
#include "widgets/lang_qt.h"

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

// The default registration packet in hex: a packet edit shows it whole.
constexpr const char* kLongestDefaultPacket = "4C4F47494E3A31303031";
constexpr int kColumnGap = 6;

// The caption offers the other view.
const char* ViewSwitchKey(int view) {
    return view == kFullView ? "lang_btn_ShowMore_tidily" : "lang_btn_ShowMore_full";
}

void MoveRow(const std::vector<QWidget*>& row, int top) {
    for (QWidget* control : row) {
        control->move(control->x(), top);
    }
}

}  // namespace

DataPage::DataPage(QWidget* page, FormModel& form, const TLangList& language,
                   DigitsOnlyFilter* digitsOnly, NamedControls& named)
    : QObject(page), form_(form), language_(language) {
    const auto created = CreateControls(page, kDataPage, digitsOnly, named);
    for (std::size_t row = 0; row < std::size(kDataPage); ++row) {
        if (kDataPage[row].shown != Shown::Always) {
            viewOnly_.push_back({created[row], kDataPage[row].shown});
        }
    }
    viewSwitch_ = static_cast<QPushButton*>(created[RowIndex(kDataPage, "btn_ShowMore")]);
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
    commandMode_ = static_cast<QPushButton*>(created[RowIndex(kDataPage, "btn_PPPA")]);
    dataMode_ = static_cast<QPushButton*>(created[RowIndex(kDataPage, "btn_ENTM")]);
    heartbeatTimeRow_ = {created[RowIndex(kDataPage, "lbl_HeartbeatTime")],
                         created[RowIndex(kDataPage, "edt_HeartbeatTime")],
                         created[RowIndex(kDataPage, "lbl_HeartbeatTime_s")]};
    heartbeatPacketRow_ = {created[RowIndex(kDataPage, "lbl_HeartbeatFormat")],
                           created[RowIndex(kDataPage, "edt_HeartbeatFormat")],
                           created[RowIndex(kDataPage, "chk_HeartbeatFormat")]};
    regPacketRow_ = {created[RowIndex(kDataPage, "lbl_RegFormat")], regFormat_,
                     created[RowIndex(kDataPage, "chk_RegFormat")]};
    reconnect_ = {created[RowIndex(kDataPage, "lbledtResoc")],
                  created[RowIndex(kDataPage, "lblResocS")]};
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
    connect(viewSwitch_, &QPushButton::clicked, this,
            [this] { form_.SetView(form_.View() == kFullView ? kCompactView : kFullView); });
    d2dId_->installEventFilter(this);
}

void DataPage::ShowView() {
    const bool compact = form_.View() == kCompactView;
    viewSwitch_->setText(Tr(language_, ViewSwitchKey(form_.View())));
    for (const ViewOnly& control : viewOnly_) {
        control.widget->setVisible(control.shown ==
                                   (compact ? Shown::CompactView : Shown::FullView));
    }
    if (compact) {
        hostLabel1_->move(hostLabel1_->x(), RowTop(1));
        protocolLabel1_->move(protocolLabel1_->x(), RowTop(3));
        portLabel1_->move(portLabel1_->x(), RowTop(5));
        const QRect host = host1_->geometry();
        protocols_[0]->setGeometry(host.x(), RowTop(3), host.width(), protocols_[0]->height());
        ports_[0]->setGeometry(host.x(), RowTop(5), host.width(), ports_[0]->height());
        MoveRow(heartbeatTimeRow_, RowTop(7));
        MoveRow(heartbeatPacketRow_, RowTop(9));
        MoveRow(regPacketRow_, RowTop(11));
        return;
    }
    const int hostTop = host1_->y();
    const QRect protocol2 = protocols_[1]->geometry();
    protocols_[0]->setGeometry(protocol2.x(), hostTop, protocol2.width(), protocols_[0]->height());
    const QRect port2 = ports_[1]->geometry();
    ports_[0]->setGeometry(port2.x(), hostTop, port2.width(), ports_[0]->height());
    MoveRow(heartbeatTimeRow_, RowTop(5));
    MoveRow(heartbeatPacketRow_, RowTop(8));
    MoveRow(regPacketRow_, RowTop(9));
}

int DataPage::RowTop(int row) const {
    return rowMarkers_[static_cast<std::size_t>(row - 1)]->y();
}

void DataPage::ShowCouplings(Field field) {
    if (field == Field::D2dEnable) {
        const bool on = form_.Tick(Field::D2dEnable);
        d2dId_->setEnabled(on);
        regFormat_->setEnabled(!on);
        if (on && form_.View() == kFullView) {
            d2dId_->setFocus();
        }
    } else if (field == Field::CloudEnable) {
        const bool on = form_.Tick(Field::CloudEnable);
        cloudName_->setEnabled(on);
        cloudPassword_->setEnabled(on);
    }
}

void DataPage::ShowFamilyControls() {
    const bool enable = form_.FamilyControlsEnabled();
    cloudEnable_->setEnabled(enable);
    cacheEnable_->setEnabled(enable);
    for (QWidget* control : reconnect_) {
        control->setEnabled(enable);
    }
}

void DataPage::BindTexts(TextTargets& texts) {
    for (QCheckBox* enable : socketEnables_) {
        texts.AddCaption(enable, "lang_Lbl_Enable");
    }
}

void DataPage::ApplyTexts() {
    viewSwitch_->setText(Tr(language_, ViewSwitchKey(form_.View())));
    // The boxes' captions are alike; readers of the screen hear the number too.
    int socket = 1;
    for (QCheckBox* enable : socketEnables_) {
        enable->setAccessibleName(Tr(language_, "lang_Lbl_Enable").simplified() + ' ' +
                                  QString::number(socket++));
    }
}

int DataPage::FitTextWidths() {
    // This platform's fonts are wider than those the form was drawn for.
    int right = 0;
    for (const PacketRow& row : packetRows_) {
        row.edit->resize(
            std::max(row.edit->width(), EditWidthFor(*row.edit, kLongestDefaultPacket)),
            row.edit->height());
        row.hex->move(std::max(row.hex->x(), row.edit->geometry().right() + 1 + kColumnGap),
                      row.hex->y());
        const int hexRight = row.hex->x() + row.hex->sizeHint().width();
        row.target->setGeometry(
            std::max(row.target->x(), hexRight + kColumnGap), row.target->y(),
            std::max(row.target->width(),
                     ComboWidthFor(*row.target, ItemTextsOfBothLanguages(language_, *row.target))),
            row.target->height());
        right = std::max(right, row.target->geometry().right() + 1);
    }
    // Socket 1 takes its full-view place from socket 2 (ShowView).
    for (std::size_t socket = 1; socket < protocols_.size(); ++socket) {
        QComboBox* protocol = protocols_[socket];
        QWidget* port = ports_[socket];
        const int gap = port->x() - protocol->geometry().right() - 1;
        QStringList items;
        for (int item = 0; item < protocol->count(); ++item) {
            items << protocol->itemText(item);
        }
        protocol->resize(std::max(protocol->width(), ComboWidthFor(*protocol, items)),
                         protocol->height());
        port->move(std::max(port->x(), protocol->geometry().right() + 1 + gap), port->y());
        right = std::max(right, port->geometry().right() + 1);
    }
    return right;
}

bool DataPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == d2dId_ && event->type() == QEvent::KeyRelease) {
        form_.UpdateD2DRegPacket();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace dtu
