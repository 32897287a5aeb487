#include <QComboBox>
#include <QStackedWidget>

#include "mainwindow/data_page.h"
#include "mainwindow/main_window.h"

namespace dtu {

int Tfrm_MainLx1::GetWorkMode() const {
    return workMode_->currentIndex();
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
    // The window opens in the compact view.
    session_.Form().SetView(kCompactView);
    dataPage_->ShowView();
}

void Tfrm_MainLx1::ShowFamilyControls() {
    dataPage_->ShowFamilyControls();
    const bool enable = session_.Form().FamilyControlsEnabled();
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
