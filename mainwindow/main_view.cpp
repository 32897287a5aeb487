#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "mainwindow/main_window.h"
#include "mainwindow/widget_tags.h"
#include "widgets/labelled_edit.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

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
    session_.Form().SetView(kCompactView);
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
    session_.Form().SetView(kFullView);
}

void Tfrm_MainLx1::FieldChanged(Field field) {
    if (field == Field::chk_D2DEnable) {
        ShowD2DState();
    } else if (field == Field::chkCloudEnalbe) {
        ShowCloudState();
    }
}

void Tfrm_MainLx1::ShowD2DState() {
    const bool on = session_.Form().Tick(Field::chk_D2DEnable);
    auto* id = Child<QLineEdit>("lbledt_D2D_ID");
    id->setEnabled(on);
    Child<QLineEdit>("edt_RegFormat")->setEnabled(!on);
    if (on && GetViewMode() == kFullView) {
        id->setFocus();
    }
}

void Tfrm_MainLx1::ShowCloudState() {
    const bool on = session_.Form().Tick(Field::chkCloudEnalbe);
    Child<QWidget>("lbledtCloud")->setEnabled(on);
    Child<QWidget>("lbledtPswd")->setEnabled(on);
}

void Tfrm_MainLx1::ShowFamilyControls() {
    const bool enable = session_.Form().FamilyControlsEnabled();
    Child<QCheckBox>("chkCloudEnalbe")->setEnabled(enable);
    Child<QCheckBox>("chk_CachEnable")->setEnabled(enable);
    for (const char* name : kFamilyControls) {
        Child<QWidget>(name)->setEnabled(enable);
    }
}

void Tfrm_MainLx1::cbb_APNChange() {
    if (session_.Form().ChooseApn(apnChoice_->currentIndex()) && showApn) {
        showApn();
    }
}

}  // namespace dtu
