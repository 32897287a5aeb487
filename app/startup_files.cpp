#include "app/startup_files.h"

#include "lang/atomic_write.h"
#include "lang/builtin_texts.h"
#include "lang/lang_list.h"
#include "settings/config_location.h"
#include "settings/ini_file.h"

namespace dtu {

StartupFiles::StartupFiles() = default;
StartupFiles::StartupFiles(StartupFiles&&) noexcept = default;
StartupFiles& StartupFiles::operator=(StartupFiles&&) noexcept = default;
StartupFiles::~StartupFiles() = default;

StartupFiles LoadStartupFiles(TLangList& language) {
    StartupFiles files;
    const auto languageFile = ConfigFilePath("Lx1Lang.txt");
    const auto settingsFile = ConfigFilePath("Lx1Cfg.ini");
    // What saves killed part-way in earlier runs left beside the files.
    RemoveDeadWritersTempFiles(languageFile);
    RemoveDeadWritersTempFiles(settingsFile);
    files.languageError = LoadLanguage(language, languageFile.string());
    files.settings = std::make_unique<IniFile>(settingsFile);
    language.IsChinese = files.settings->ReadBool("SYS", "Lang", SystemIsChinese());
    files.isCustom = files.settings->ReadBool("SYS", "Custom", false);
    return files;
}

}  // namespace dtu
