#include <QFile>
#include <QFileDialog>
#include <filesystem>

#include "form/form_profile.h"
#include "form/profile_rules.h"
#include "mainwindow/device_list_strip.h"
#include "mainwindow/info_area.h"
#include "mainwindow/main_window.h"
#include "mainwindow/profile_words.h"
#include "settings/ini_file.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

std::filesystem::path FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

QString Tfrm_MainLx1::AskProfilePath(bool forSaving) {
    QFileDialog dialog(
        this, Tr(language_, forSaving ? "lang_Menu_ExportProfile" : "lang_Menu_ImportProfile"),
        QString(), Tr(language_, "lang_Profile_Filter"));
    dialog.setObjectName("dlg_Profile");
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void Tfrm_MainLx1::ExportProfile() {
    const QString path = AskProfilePath(true);
    if (path.isEmpty()) {
        return;
    }
    IniFile file(FilePath(path));
    SaveProfile(session_.Form(), file);
    // The cloud password is nobody else's to read.
    const bool secret = !session_.Form().Text(Field::CloudPassword).empty();
    if (file.Save(secret ? FileAccess::OwnerOnly : FileAccess::Kept)) {
        info_->ShowErrorLine(TrWith(language_, "lang_Profile_Unwritable", {path}));
        return;
    }
    info_->ShowInfoLine(TrWith(language_, "lang_Profile_Exported", {path}));
}

void Tfrm_MainLx1::ImportProfile() {
    const QString path = AskProfilePath(false);
    if (path.isEmpty()) {
        return;
    }
    // A file that cannot be read would load as every default.
    const ProfileRead profile = ReadProfileFile(FilePath(path), std::nullopt);
    if (profile.read != ReadOutcome::Whole) {
        info_->ShowErrorLine(TrWith(language_,
                                    profile.read == ReadOutcome::TooLong
                                        ? "lang_Profile_TooLong"
                                        : "lang_Profile_Unreadable",
                                    {path}));
        return;
    }
    // What the command line refuses to write, the form does not take.
    if (!profile.problems.empty()) {
        for (const QString& line : ProfileRefusalLines(language_, path, profile.problems)) {
            info_->ShowErrorLine(line);
        }
        return;
    }
    const IniFile file(FilePath(path), kProfileMaxBytes);
    LoadProfile(file, session_.Form());
    if (listStrip_ != nullptr) {
        listStrip_->TakeBase();
    }
    info_->ShowInfoLine(TrWith(language_, "lang_Profile_Imported", {path}));
}

}  // namespace dtu
