#include "app/startup_files.h"

#include "lang/builtin_texts.h"
#include "lang/lang_list.h"
#include "settings/config_location.h"
#include "settings/ini_file.h"

namespace dtu {

StartupFiles::StartupFiles() = default;
StartupFiles::StartupFiles(StartupFiles&&) noexcept = default;
StartupFiles& StartupFiles::operator=(StartupFiles&&) noexcept = default;
StartupFiles::~StartupFiles() = default;

StartupFiles LoadStartupFiles() {
    StartupFiles files;
    files.languageError = InitLanguage(ConfigFilePath("Lx1Lang.txt").string());
    files.settings = std::make_unique<IniFile>(ConfigFilePath("Lx1Cfg.ini"));
    LangList->IsChinese = files.settings->ReadBool("SYS", "Lang", SystemIsChinese());
    files.isCustom = files.settings->ReadBool("SYS", "Custom", false);
    return files;
}

}  // namespace dtu
