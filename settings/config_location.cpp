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

// One spelling of a folder however it was written ("/usr/bin/", "/usr/bin/.").
std::filesystem::path Normalised(const std::filesystem::path& dir) {
    const auto normal = dir.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
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

std::filesystem::path InstalledProgramDir() {
    return Normalised(DTU_INSTALLED_PROGRAM_DIR);
}

std::filesystem::path ConfigFilePath(const std::string& fileName,
                                     const std::filesystem::path& executableDir) {
    const auto overrideDir = Environment(kConfigDirVariable);
    if (!overrideDir.empty()) {
        return Created(overrideDir) / fileName;
    }
    // An installed copy is shared by every user, root included.
    const bool installed = Normalised(executableDir) == InstalledProgramDir();
    if (!executableDir.empty() && !installed && ::access(executableDir.c_str(), W_OK) == 0) {
        return executableDir / fileName;
    }
    return Created(UserConfigDir()) / fileName;
}

std::filesystem::path ConfigFilePath(const std::string& fileName) {
    return ConfigFilePath(fileName, ExecutableDir());
}

}  // namespace dtu
