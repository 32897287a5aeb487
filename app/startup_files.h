#pragma once

#include <memory>
#include <string>

namespace dtu {

class IniFile;

// The two files a run reads before its first window, and what the port window
// needs of them. Loading creates the language table (LangList) in the language
// the settings chose; the main window takes over the settings once it is built.
struct StartupFiles {
    std::unique_ptr<IniFile> settings;
    bool isCustom = false;
    // Why the language file could not be written; empty when it could.
    std::string languageError;

    StartupFiles();
    StartupFiles(StartupFiles&&) noexcept;
    StartupFiles& operator=(StartupFiles&&) noexcept;
    ~StartupFiles();
};

StartupFiles LoadStartupFiles();

}  // namespace dtu
