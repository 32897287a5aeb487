#include "mainwindow/profile_files.h"

#include <QFile>
#include <QFileDialog>
#include <filesystem>

#include "form/form_profile.h"
#include "form/profile_rules.h"
#include "mainwindow/device_list_strip.h"
#include "mainwindow/info_area.h"
#include "mainwindow/profile_words.h"
#include "settings/ini_file.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

std::filesystem::path FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The file chosen in a file dialog; empty when the user cancelled.
QString AskProfilePath(QWidget* window, const TLangList& language, bool forSaving) {
    QFileDialog dialog(
        window, Tr(language, forSaving ? "lang_Menu_ExportProfile" : "lang_Menu_ImportProfile"),
        QString(), Tr(language, "lang_Profile_Filter"));
    dialog.setObjectName("dlg_Profile");
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void ExportProfile(QWidget* window, const TLangList& language, const FormModel& form,
                   InfoArea& info) {
    const QString path = AskProfilePath(window, language, true);
    if (path.isEmpty()) {
        return;
    }
    IniFile file(FilePath(path));
    SaveProfile(form, file);
    // The cloud password is nobody else's to read.
    const bool secret = !form.Text(Field::CloudPassword).empty();
    if (file.Save(secret ? FileAccess::OwnerOnly : FileAccess::Kept)) {
        info.ShowErrorLine(TrWith(language, "lang_Profile_Unwritable", {path}));
        return;
    }
    info.ShowInfoLine(TrWith(language, "lang_Profile_Exported", {path}));
}

bool ImportProfile(QWidget* window, const TLangList& language, FormModel& form, InfoArea& info) {
    const QString path = AskProfilePath(window, language, false);
    if (path.isEmpty()) {
        return false;
    }
    // A file that cannot be read would load as every default.
    const ProfileRead profile = ReadProfileFile(FilePath(path), std::nullopt);
    if (profile.read != ReadOutcome::Whole) {
        info.ShowErrorLine(TrWith(language,
                                  profile.read == ReadOutcome::TooLong ? "lang_Profile_TooLong"
                                                                       : "lang_Profile_Unreadable",
                                  {path}));
        return false;
    }
    // What the command line refuses to write, the form does not take.
    if (!profile.problems.empty()) {
        for (const QString& line : ProfileRefusalLines(language, path, profile.problems)) {
            info.ShowErrorLine(line);
        }
        return false;
    }
    const IniFile file(FilePath(path), kProfileMaxBytes);
    LoadProfile(file, form);
    info.ShowInfoLine(TrWith(language, "lang_Profile_Imported", {path}));
    return true;
}

}  // namespace dtu
