#include <chrono>
#include <optional>

#include "form/form_profile.h"
#include "form/form_settings.h"
#include "mainwindow/form_binder.h"
#include "mainwindow/hint_switch.h"
#include "mainwindow/info_area.h"
#include "mainwindow/log_saving.h"
#include "mainwindow/main_menus.h"
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

}  // namespace

void Tfrm_MainLx1::LoadSettings() {
    isCustom_ = settings_->ReadBool("SYS", "Custom", false);
    hints_->SetOn(settings_->ReadBool("SYS", "RealTimeHelp", true));
    info_->SetTimeStamps(settings_->ReadBool("SYS", "TimeStamps", false));
    menus_->ShowChecks();
    logSaving_->folder = FromGbk(settings_->ReadString("SYS", "LogFolder", ""));
    // The pause after each answer; without the key, the port's framing pause.
    const std::int64_t gap = settings_->ReadInteger("SYS", "CommandGap", -1);
    if (gap >= 0 && gap <= kLongestCommandGapMs) {
        session_.SetLineGap(std::chrono::milliseconds(gap));
    }
    const LineEnd end =
        ParseLineEnd(settings_->ReadString("SYS", "SendLineEnd", "")).value_or(LineEnd::AsTyped);
    sendArea_->ChooseLineEnd(end);
    if (isCustom_) {
        menus_->HideHelp();
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
    settings_->WriteString("SYS", "LogFolder", ToGbk(logSaving_->folder));
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
