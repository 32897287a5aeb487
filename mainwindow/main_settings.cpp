#include <QAction>
#include <iostream>

#include "form/form_settings.h"
#include "lang/lang_list.h"
#include "mainwindow/form_binder.h"
#include "mainwindow/hint_switch.h"
#include "mainwindow/main_window.h"
#include "settings/config_location.h"
#include "settings/ini_file.h"

namespace dtu {

namespace {

// The port the tool last opened, in the order of PortTexts.
constexpr const char* kPortKeys[] = {"ComName", "BaudRate", "Parity", "Byte", "Stop"};

}  // namespace

void Tfrm_MainLx1::LoadSettings() {
    settings_ = std::make_unique<IniFile>(ConfigFilePath("Lx1Cfg.ini"));
    isCustom_ = settings_->ReadBool("SYS", "Custom", false);
    LangList->IsChinese = settings_->ReadBool("SYS", "Lang", SystemIsChinese());
    hints_->SetOn(settings_->ReadBool("SYS", "RealTimeHelp", true));
    if (isCustom_) {
        Child<QAction>("N4")->setVisible(false);
    }
    LoadFormSettings(*settings_, session_.Form());
    binder_->ShowAll();
}

void Tfrm_MainLx1::SaveSettings() {
    try {
        // Before any port was opened there is no port to remember; keep the stored one.
        const PortTexts& port = session_.PortSettings();
        if (!port[0].empty()) {
            for (std::size_t i = 0; i < port.size(); ++i) {
                settings_->WriteString("COM", kPortKeys[i], port[i]);
            }
        }
        settings_->WriteBool("SYS", "Lang", LangList->IsChinese);
        settings_->WriteBool("SYS", "RealTimeHelp", hints_->IsOn());
        SaveFormSettings(session_.Form(), *settings_);
    } catch (const IniWriteError& error) {
        // The window closes all the same; the keys written so far stay in the file.
        std::cerr << error.what() << '\n';
    }
}

}  // namespace dtu
