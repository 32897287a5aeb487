#include "settings/config_location.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace dtu {

namespace {

constexpr const char* kConfigDirVariable = "DTUCONFIG_CONFIG_DIR";
constexpr const char* kAppFolder = "dtuconfig";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::filesystem::path HomeDir() {
    auto home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid())) {
            home = entry->pw_dir;
        }
    }
    return home;
}

// The per-user folder: $XDG_CONFIG_HOME/dtuconfig, or ~/.config/dtuconfig when
// the variable is unset or not absolute.
std::filesystem::path UserConfigDir() {
    const std::filesystem::path xdg = Environment("XDG_CONFIG_HOME");
    const auto base = xdg.is_absolute() ? xdg : HomeDir() / ".config";
    return base / kAppFolder;
}

// A folder that cannot be created shows up later as a failed write.
std::filesystem::path Created(std::filesystem::path dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return dir;
}

}  // namespace

std::filesystem::path ExecutableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return std::filesystem::current_path(ec);
    }
    return exe.parent_path();
}

std::filesystem::path ConfigFilePath(const std::string& fileName,
                                     const std::filesystem::path& executableDir) {
    const auto overrideDir = Environment(kConfigDirVariable);
    if (!overrideDir.empty()) {
        return Created(overrideDir) / fileName;
    }
    if (!executableDir.empty() && ::access(executableDir.c_str(), W_OK) == 0) {
        return executableDir / fileName;
    }
    return Created(UserConfigDir()) / fileName;
}

std::filesystem::path ConfigFilePath(const std::string& fileName) {
    return ConfigFilePath(fileName, ExecutableDir());
}

}  // namespace dtu
