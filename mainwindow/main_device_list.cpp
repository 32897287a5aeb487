#include <QFileDialog>

#include "mainwindow/device_list_strip.h"
#include "mainwindow/main_window.h"
#include "widgets/lang_qt.h"

namespace dtu {

void Tfrm_MainLx1::OpenDeviceList() {
    QFileDialog dialog(this, Tr(language_, "lang_Menu_DeviceList"), QString(),
                       Tr(language_, "lang_List_Filter"));
    dialog.setObjectName("dlg_DeviceList");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    if (listStrip_ == nullptr) {
        listStrip_ =
            new DeviceListStrip(*this, session_.Form(), *binder_, *recorder_, language_, *info_);
    }
    listStrip_->Open(dialog.selectedFiles().constFirst());
}

}  // namespace dtu
