#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

#include "mainwindow/labelled_edit.h"
#include "mainwindow/lang_qt.h"
#include "mainwindow/main_window.h"
#include "mainwindow/widget_tags.h"

namespace dtu {

namespace {

constexpr int kFullView = 0;
constexpr int kCompactView = 1;

constexpr const char* kHeartbeatTimeRow[] = {"lbl_HeartbeatTime", "edt_HeartbeatTime",
                                             "lbl_HeartbeatTime_s"};
constexpr const char* kHeartbeatPacketRow[] = {"lbl_HeartbeatFormat", "edt_HeartbeatFormat",
                                               "chk_HeartbeatFormat"};
constexpr const char* kRegPacketRow[] = {"lbl_RegFormat", "edt_RegFormat", "chk_RegFormat"};

// Controls that only firmware families with cloud, cache and HTTP support enable.
constexpr const char* kFamilyControls[] = {"lbledtResoc", "lblResocS", "cbbHTPTP",  "edtHTPURL",
                                           "mmoHTPHD",    "lblHTPTP",  "lblHTPURL", "lblHTPHD"};

// Top of the row marker of row `row` (1 to 12).
int RowTop(const QWidget* page, int row) {
    return FindControl<QWidget>(page, QStringLiteral("btn%1").arg(row))->y();
}

template <std::size_t N>
void MoveRow(const QWidget* page, const char* const (&names)[N], int top) {
    for (const char* name : names) {
        QWidget* control = FindControl<QWidget>(page, name);
        control->move(control->x(), top);
    }
}

constexpr const char* kApnValues[] = {"\"CMNET\",\"\",\"\"", "\"UNINET\",\"\",\"\""};
constexpr int kApnOther = 2;

}  // namespace

int Tfrm_MainLx1::GetWorkMode() const {
    return workMode_->currentIndex();
}

int Tfrm_MainLx1::GetViewMode() const {
    return Tag(showMore_);
}

void Tfrm_MainLx1::ShowWorkModePage() {
    const int mode = GetWorkMode();
    // A work mode the form does not know leaves the page shown as it was.
    if (mode >= 0 && mode < pages_->count()) {
        pages_->setCurrentIndex(mode);
    }
}

void Tfrm_MainLx1::InitView() {
    ShowWorkModePage();
    SetTag(showMore_, kFullView);
    showMore_->click();
}

void Tfrm_MainLx1::btn_ShowMoreClick() {
    switch (GetViewMode()) {
        case kFullView:
            ShowCompactView();
            break;
        case kCompactView:
            ShowFullView();
            break;
        default:
            break;
    }
}

void Tfrm_MainLx1::ShowCompactView() {
    SetTag(showMore_, kCompactView);
    showMore_->setText(Tr("lang_btn_ShowMore_full"));
    for (QWidget* control : dataPage_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (Tag(control) == kTagFullViewOnly) {
            control->hide();
        } else if (Tag(control) == kTagCompactViewOnly) {
            control->show();
        }
    }
    const QWidget* page = dataPage_;
    auto* hostLabel = Child<QWidget>("lbl_ShowLessIP1");
    hostLabel->move(hostLabel->x(), RowTop(page, 1));
    auto* protocolLabel = Child<QWidget>("lbl_ShowLessNetProtocol1");
    protocolLabel->move(protocolLabel->x(), RowTop(page, 3));
    auto* portLabel = Child<QWidget>("lbl_ShowLessPort1");
    portLabel->move(portLabel->x(), RowTop(page, 5));
    const QRect host = Child<QWidget>("edt_IP1")->geometry();
    auto* protocol = Child<QWidget>("cbb_NetProtocol1");
    protocol->setGeometry(host.x(), RowTop(page, 3), host.width(), protocol->height());
    auto* port = Child<QWidget>("edt_Port1");
    port->setGeometry(host.x(), RowTop(page, 5), host.width(), port->height());
    MoveRow(page, kHeartbeatTimeRow, RowTop(page, 7));
    MoveRow(page, kHeartbeatPacketRow, RowTop(page, 9));
    MoveRow(page, kRegPacketRow, RowTop(page, 11));
    Child<QCheckBox>("chk_D2DEnable")->setChecked(false);
}

void Tfrm_MainLx1::ShowFullView() {
    SetTag(showMore_, kFullView);
    showMore_->setText(Tr("lang_btn_ShowMore_tidily"));
    for (QWidget* control : dataPage_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (Tag(control) == kTagFullViewOnly) {
            control->show();
        } else if (Tag(control) == kTagCompactViewOnly) {
            control->hide();
        }
    }
    const QWidget* page = dataPage_;
    const int hostTop = Child<QWidget>("edt_IP1")->y();
    const QRect protocol2 = Child<QWidget>("cbb_NetProtocol2")->geometry();
    auto* protocol = Child<QWidget>("cbb_NetProtocol1");
    protocol->setGeometry(protocol2.x(), hostTop, protocol2.width(), protocol->height());
    const QRect port2 = Child<QWidget>("edt_Port2")->geometry();
    auto* port = Child<QWidget>("edt_Port1");
    port->setGeometry(port2.x(), hostTop, port2.width(), port->height());
    MoveRow(page, kHeartbeatTimeRow, RowTop(page, 5));
    MoveRow(page, kHeartbeatPacketRow, RowTop(page, 8));
    MoveRow(page, kRegPacketRow, RowTop(page, 9));
}

void Tfrm_MainLx1::EnableFamilyControls(bool enable) {
    auto* cloud = Child<QCheckBox>("chkCloudEnalbe");
    auto* cache = Child<QCheckBox>("chk_CachEnable");
    if (!enable) {
        cloud->setChecked(false);
        cache->setChecked(false);
    }
    cloud->setEnabled(enable);
    cache->setEnabled(enable);
    for (const char* name : kFamilyControls) {
        Child<QWidget>(name)->setEnabled(enable);
    }
}

void Tfrm_MainLx1::chkCloudEnalbeClick() {
    const bool on = Child<QCheckBox>("chkCloudEnalbe")->isChecked();
    Child<QWidget>("lbledtCloud")->setEnabled(on);
    Child<QWidget>("lbledtPswd")->setEnabled(on);
}

void Tfrm_MainLx1::cbb_APNChange() {
    const int choice = apnChoice_->currentIndex();
    if (choice >= 0 && choice < kApnOther) {
        apnField_->setText(QString::fromUtf8(kApnValues[choice]));
    } else if (choice == kApnOther && showApn) {
        showApn();
    }
}

}  // namespace dtu
