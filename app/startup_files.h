#pragma once

#include <memory>
#include <string>

namespace dtu {

class IniFile;
class TLangList;

// The two files a run reads before its first window, and what the port window
// needs of them. The main window takes over the settings once it is built.
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

// Loads the language file into `language`, in the language the settings chose.
StartupFiles LoadStartupFiles(TLangList& language);

}  // namespace dtu
