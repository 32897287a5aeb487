#include "mainwindow/device_compare.h"
#include "mainwindow/main_window.h"

namespace dtu {

void Tfrm_MainLx1::CompareWithDevice() {
    if (!compare_) {
        compare_ = std::make_unique<DeviceCompare>(this, session_, language_, *binder_,
                                                   [this] { writeAll_->trigger(); });
    }
    compare_->Start();
}

}  // namespace dtu
