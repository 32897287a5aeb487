#pragma once

#include <filesystem>
#include <string>

namespace dtu {

// Folder of the running executable.
std::filesystem::path ExecutableDir();

// The folder the build installs programs to (CMAKE_INSTALL_FULL_BINDIR).
std::filesystem::path InstalledProgramDir();

// Where the tool keeps `fileName` ("Lx1Cfg.ini", "Lx1Lang.txt"): beside the
// executable when that folder is writable and not the installed programs'
// folder, else $XDG_CONFIG_HOME/dtuconfig (default ~/.config/dtuconfig), created
// on demand. DTUCONFIG_CONFIG_DIR, when set, names the folder instead (tests run
// on fresh folders this way).
std::filesystem::path ConfigFilePath(const std::string& fileName);
// The same choice for an executable living in `executableDir`.
std::filesystem::path ConfigFilePath(const std::string& fileName,
                                     const std::filesystem::path& executableDir);

}  // namespace dtu
