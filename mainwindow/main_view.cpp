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

void MoveRow(const std::vector<QWidget*>& row, int top) {
    for (QWidget* control : row) {
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
    showMore_->setText(Tr(language_, "lang_btn_ShowMore_full"));
    for (QWidget* control : dataPage_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (Tag(control) == kTagFullViewOnly) {
            control->hide();
        } else if (Tag(control) == kTagCompactViewOnly) {
            control->show();
        }
    }
    hostLabel1_->move(hostLabel1_->x(), RowTop(1));
    protocolLabel1_->move(protocolLabel1_->x(), RowTop(3));
    portLabel1_->move(portLabel1_->x(), RowTop(5));
    const QRect host = host1_->geometry();
    protocols_[0]->setGeometry(host.x(), RowTop(3), host.width(), protocols_[0]->height());
    ports_[0]->setGeometry(host.x(), RowTop(5), host.width(), ports_[0]->height());
    MoveRow(heartbeatTimeRow_, RowTop(7));
    MoveRow(heartbeatPacketRow_, RowTop(9));
    MoveRow(regPacketRow_, RowTop(11));
    session_.Form().SetView(kCompactView);
}

void Tfrm_MainLx1::ShowFullView() {
    SetTag(showMore_, kFullView);
    showMore_->setText(Tr(language_, "lang_btn_ShowMore_tidily"));
    for (QWidget* control : dataPage_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (Tag(control) == kTagFullViewOnly) {
            control->show();
        } else if (Tag(control) == kTagCompactViewOnly) {
            control->hide();
        }
    }
    const int hostTop = host1_->y();
    const QRect protocol2 = protocols_[1]->geometry();
    protocols_[0]->setGeometry(protocol2.x(), hostTop, protocol2.width(), protocols_[0]->height());
    const QRect port2 = ports_[1]->geometry();
    ports_[0]->setGeometry(port2.x(), hostTop, port2.width(), ports_[0]->height());
    MoveRow(heartbeatTimeRow_, RowTop(5));
    MoveRow(heartbeatPacketRow_, RowTop(8));
    MoveRow(regPacketRow_, RowTop(9));
    session_.Form().SetView(kFullView);
}

int Tfrm_MainLx1::RowTop(int row) const {
    return rowMarkers_[static_cast<std::size_t>(row - 1)]->y();
}

void Tfrm_MainLx1::FieldChanged(Field field) {
    if (field == Field::D2dEnable) {
        ShowD2DState();
    } else if (field == Field::CloudEnable) {
        ShowCloudState();
    }
}

void Tfrm_MainLx1::ShowD2DState() {
    const bool on = session_.Form().Tick(Field::D2dEnable);
    d2dId_->setEnabled(on);
    regFormat_->setEnabled(!on);
    if (on && GetViewMode() == kFullView) {
        d2dId_->setFocus();
    }
}

void Tfrm_MainLx1::ShowCloudState() {
    const bool on = session_.Form().Tick(Field::CloudEnable);
    cloudName_->setEnabled(on);
    cloudPassword_->setEnabled(on);
}

void Tfrm_MainLx1::ShowFamilyControls() {
    const bool enable = session_.Form().FamilyControlsEnabled();
    cloudEnable_->setEnabled(enable);
    cacheEnable_->setEnabled(enable);
    for (QWidget* control : familyControls_) {
        control->setEnabled(enable);
    }
}

void Tfrm_MainLx1::cbb_APNChange() {
    if (session_.Form().ChooseApn(apnChoice_->currentIndex()) && showApn) {
        showApn();
    }
}

}  // namespace dtu
