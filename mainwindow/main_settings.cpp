#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <chrono>
#include <cstring>
#include <optional>

#include "form/form_profile.h"
#include "form/form_settings.h"
#include "form/stored_indexes.h"
#include "mainwindow/form_binder.h"
#include "mainwindow/hint_switch.h"
#include "mainwindow/info_area.h"
#include "mainwindow/main_window.h"
#include "mainwindow/save_failure.h"
#include "mainwindow/send_area.h"
#include "protocol/line_end.h"
#include "settings/ini_file.h"
#include "widgets/form_text.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

constexpr std::int64_t kLongestCommandGapMs = 10000;

// Where the settings file keeps the port the tool last opened, in the file's order.
struct PortKey {
    const char* key;
    std::string PortTexts::*text;
};
constexpr PortKey kPortKeys[] = {{"ComName", &PortTexts::port},
                                 {"BaudRate", &PortTexts::baudRate},
                                 {"Parity", &PortTexts::parity},
                                 {"Byte", &PortTexts::dataBits},
                                 {"Stop", &PortTexts::stopBits}};

// The field whose list a stored index selects in; none for the view.
std::optional<Field> ListField(const IndexOutsideList& index) {
    const auto is = [&index](const char* section, const char* key) {
        return std::strcmp(index.section, section) == 0 && std::strcmp(index.key, key) == 0;
    };
    if (is(kWorkModeKey.section, kWorkModeKey.key)) {
        return Field::WorkMode;
    }
    for (const FieldRow& row : FormFields()) {
        if (row.section != nullptr && is(row.section, row.key)) {
            return row.field;
        }
    }
    return std::nullopt;
}

}  // namespace

void Tfrm_MainLx1::ShowIndexesOutsideLists(const IniFile& file, bool profile,
                                           const QString& fileName) {
    for (const IndexOutsideList& index : IndexesOutsideLists(file, profile)) {
        QString used = QString::number(index.used);
        if (const std::optional<Field> field = ListField(index)) {
            const auto* list = static_cast<const QComboBox*>(binder_->Control(*field));
            used += QStringLiteral(" (%1)").arg(list->itemText(index.used));
        }
        info_->ShowInfoLine(TrWith(language_, "lang_Info_IndexOutsideList",
                                   {fileName, QStringLiteral("%1/%2").arg(index.section, index.key),
                                    FromGbk(index.found), used}));
    }
}

void Tfrm_MainLx1::LoadSettings() {
    isCustom_ = settings_->ReadBool("SYS", "Custom", false);
    hints_->SetOn(settings_->ReadBool("SYS", "RealTimeHelp", true));
    info_->SetTimeStamps(settings_->ReadBool("SYS", "TimeStamps", false));
    timeStampsItem_->setChecked(info_->TimeStamps());
    logFolder_ = FromGbk(settings_->ReadString("SYS", "LogFolder", ""));
    // The pause after each answer; without the key, the port's framing pause.
    const std::int64_t gap = settings_->ReadInteger("SYS", "CommandGap", -1);
    if (gap >= 0 && gap <= kLongestCommandGapMs) {
        session_.SetLineGap(std::chrono::milliseconds(gap));
    }
    const LineEnd end =
        ParseLineEnd(settings_->ReadString("SYS", "SendLineEnd", "")).value_or(LineEnd::AsTyped);
    sendArea_->ChooseLineEnd(end);
    if (isCustom_) {
        helpMenu_->menuAction()->setVisible(false);
    }
    LoadFormSettings(*settings_, session_.Form());
    binder_->ShowAll();
}

void Tfrm_MainLx1::SaveSettings() {
    // Before any port was opened there is no port to remember; keep the stored one.
    if (!session_.PortSettings().port.empty()) {
        const PortTexts stored = session_.StoredPortSettings();
        for (const PortKey& key : kPortKeys) {
            settings_->WriteString("COM", key.key, stored.*key.text);
        }
    }
    settings_->WriteBool("SYS", "Lang", language_.IsChinese);
    settings_->WriteBool("SYS", "RealTimeHelp", hints_->IsOn());
    settings_->WriteBool("SYS", "TimeStamps", info_->TimeStamps());
    settings_->WriteString("SYS", "LogFolder", ToGbk(logFolder_));
    settings_->WriteString("SYS", "SendLineEnd", LineEndName(sendArea_->ChosenLineEnd()));
    SaveFormSettings(session_.Form(), *settings_);
    // A failed save leaves the file as it was; the window closes all the same
    // unless the user, having freed space or fixed the folder, tries again.
    while (const std::optional<FileWriteError> error = settings_->Save()) {
        if (!AskRetryFailedSave(language_, this, *error)) {
            return;
        }
    }
}

}  // namespace dtu
