#include "mainwindow/caps_lock.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace dtu {

namespace {

constexpr const char* kLedFolder = "/sys/class/leds";
constexpr const char* kCapsLockSuffix = "::capslock";

bool LedIsLit(const std::filesystem::path& led) {
    std::ifstream brightness(led / "brightness");
    int level = 0;
    return brightness >> level && level != 0;
}

}  // namespace

bool CapsLockIsOn() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kLedFolder, error)) {
        if (entry.path().filename().string().ends_with(kCapsLockSuffix) && LedIsLit(entry.path())) {
            return true;
        }
    }
    return false;
}

}  // namespace dtu
