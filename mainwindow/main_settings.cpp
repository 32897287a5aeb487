#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <climits>
#include <iostream>

#include "lang/builtin_texts.h"
#include "lang/lang_list.h"
#include "mainwindow/form_text.h"
#include "mainwindow/hint_switch.h"
#include "mainwindow/lang_qt.h"
#include "mainwindow/main_window.h"
#include "settings/ini_file.h"

namespace dtu {

namespace {

// How a control's value is kept: a text, a multi-line text, an item index or a tick.
enum class ValueKind { Text, Memo, Item, Tick };

// The packet texts load after both hex boxes, whose handlers convert the text
// the edit holds; the stored text then replaces the converted one.
enum class LoadStep { InOrder, AfterHexBoxes, LastHexBox };

struct SettingRow {
    const char* section;
    const char* key;
    ValueKind kind;
    const char* defaultValue;
    const char* control;
    LoadStep step = LoadStep::InOrder;
};

using V = ValueKind;
constexpr const char* kHost = kDefaultServerHost;

// The form's keys in the order they are written.
constexpr SettingRow kFormSettings[] = {
    {"COMMON", "BaudRate", V::Item, "10", "cbb_Com_BaudRate"},
    {"COMMON", "Parity", V::Item, "0", "cbb_Com_Parity"},
    {"COMMON", "Byte", V::Item, "1", "cbb_Com_Byte"},
    {"COMMON", "Stop", V::Item, "0", "cbb_Com_Stop"},
    {"DTM", "Enable1", V::Tick, "1", "chk_NetPort1"},
    {"DTM", "IP1", V::Text, kHost, "edt_IP1"},
    {"DTM", "Port1", V::Text, "2317", "edt_Port1"},
    {"DTM", "Protocol1", V::Item, "0", "cbb_NetProtocol1"},
    {"DTM", "Enable2", V::Tick, "0", "chk_NetPort2"},
    {"DTM", "IP2", V::Text, kHost, "edt_IP2"},
    {"DTM", "Port2", V::Text, "2317", "edt_Port2"},
    {"DTM", "Protocol2", V::Item, "0", "cbb_NetProtocol2"},
    {"DTM", "Enable3", V::Tick, "0", "chk_NetPort3"},
    {"DTM", "IP3", V::Text, kHost, "edt_IP3"},
    {"DTM", "Port3", V::Text, "2317", "edt_Port3"},
    {"DTM", "Protocol3", V::Item, "0", "cbb_NetProtocol3"},
    {"DTM", "Enable4", V::Tick, "0", "chk_NetPort4"},
    {"DTM", "IP4", V::Text, kHost, "edt_IP4"},
    {"DTM", "Port4", V::Text, "2317", "edt_Port4"},
    {"DTM", "Protocol4", V::Item, "0", "cbb_NetProtocol4"},
    {"DTM", "HeartbeatTime", V::Text, "50", "edt_HeartbeatTime"},
    {"DTM", "WaitTime", V::Text, "10", "edt_WaitTime"},
    {"DTM", "RestartTime", V::Text, "1800", "edt_RestartTime"},
    {"DTM", "HeartbeatFormat", V::Text, "LOG", "edt_HeartbeatFormat", LoadStep::AfterHexBoxes},
    {"DTM", "LoginFormat", V::Text, "LOGIN:1001", "edt_RegFormat", LoadStep::AfterHexBoxes},
    {"DTM", "HeartbeatFormatHex", V::Tick, "0", "chk_HeartbeatFormat"},
    {"DTM", "LoginFormatHex", V::Tick, "0", "chk_RegFormat", LoadStep::LastHexBox},
    {"DTM", "HeartbeatTo", V::Item, "0", "cbb_HeartbeatTo"},
    {"DTM", "LoginMode", V::Item, "0", "cbb_RegMode"},
    {"DTM", "D2D ID", V::Text, "100", "lbledt_D2D_ID"},
    {"DTM", "D2dEnable", V::Tick, "0", "chk_D2DEnable"},
    {"DTM", "NetAtEnable", V::Tick, "0", "chk_NetAtEnable"},
    {"DTM", "ComAtEnable", V::Tick, "0", "chk_ComAtEnable"},
    {"DTM", "CloudEnable", V::Tick, "0", "chkCloudEnalbe"},
    {"DTM", "CacheEnable", V::Tick, "0", "chk_CachEnable"},
    {"DTM", "Resoc", V::Text, "5", "lbledtResoc"},
    {"HCM", "IP", V::Text, kHost, "edt_IP5"},
    {"HCM", "Port", V::Text, "2317", "edt_Port5"},
    {"HCM", "HTPTP", V::Item, "0", "cbbHTPTP"},
    {"HCM", "HTPURL", V::Text, "", "edtHTPURL"},
    {"HCM", "HTPHD", V::Memo, "", "mmoHTPHD"},
    {"STM", "TelNo", V::Text, "10086", "edt_TelNo"},
};

// The port the tool last opened, in the order of PortTexts.
constexpr const char* kPortKeys[] = {"ComName", "BaudRate", "Parity", "Byte", "Stop"};

constexpr const char* kApnDefault = "\"CMNET\",\"\",\"\"";
constexpr int kApnOther = 2;

int ItemFrom(std::int64_t number) {
    return number >= 0 && number <= INT_MAX ? static_cast<int>(number) : -1;
}

void LoadRow(const IniFile& file, const QObject* form, const SettingRow& row) {
    switch (row.kind) {
        case ValueKind::Text:
            FindControl<QLineEdit>(form, row.control)
                ->setText(FromGbk(file.ReadString(row.section, row.key, row.defaultValue)));
            break;
        case ValueKind::Memo:
            SetMemoText(FindControl<QPlainTextEdit>(form, row.control),
                        file.ReadString(row.section, row.key, row.defaultValue));
            break;
        case ValueKind::Item:
            FindControl<QComboBox>(form, row.control)
                ->setCurrentIndex(
                    ItemFrom(file.ReadInteger(row.section, row.key, std::stoll(row.defaultValue))));
            break;
        case ValueKind::Tick:
            FindControl<QCheckBox>(form, row.control)
                ->setChecked(file.ReadBool(row.section, row.key, row.defaultValue[0] == '1'));
            break;
    }
}

void SaveRow(IniFile& file, const QObject* form, const SettingRow& row) {
    switch (row.kind) {
        case ValueKind::Text:
            file.WriteString(row.section, row.key,
                             ToGbk(FindControl<QLineEdit>(form, row.control)->text()));
            break;
        case ValueKind::Memo:
            file.WriteString(row.section, row.key,
                             MemoText(FindControl<QPlainTextEdit>(form, row.control)));
            break;
        case ValueKind::Item:
            file.WriteInteger(row.section, row.key,
                              FindControl<QComboBox>(form, row.control)->currentIndex());
            break;
        case ValueKind::Tick:
            file.WriteBool(row.section, row.key,
                           FindControl<QCheckBox>(form, row.control)->isChecked());
            break;
    }
}

}  // namespace

void Tfrm_MainLx1::LoadSettings() {
    isCustom_ = settings_->ReadBool("SYS", "Custom", false);
    hints_->SetOn(settings_->ReadBool("SYS", "RealTimeHelp", true));
    if (isCustom_) {
        Child<QAction>("N4")->setVisible(false);
    }
    LoadApnChoice();
    std::vector<const SettingRow*> waiting;
    for (const SettingRow& row : kFormSettings) {
        if (row.step == LoadStep::AfterHexBoxes) {
            waiting.push_back(&row);
            continue;
        }
        LoadRow(*settings_, this, row);
        if (row.step == LoadStep::LastHexBox) {
            for (const SettingRow* packet : waiting) {
                LoadRow(*settings_, this, *packet);
            }
        }
    }
}

void Tfrm_MainLx1::LoadApnChoice() {
    apnChoice_->setCurrentIndex(ItemFrom(settings_->ReadInteger("COMMON", "APN Index", 0)));
    const int choice = apnChoice_->currentIndex();
    if (choice == kApnOther) {
        // The APN window does not exist yet; the stored value stands for it.
        apnField_->setText(FromGbk(settings_->ReadString("COMMON", "APN Str", kApnDefault)));
    } else if (choice >= 0) {
        cbb_APNChange();
    }
}

void Tfrm_MainLx1::SaveSettings() {
    try {
        // Before any port was opened there is no port to remember; keep the stored one.
        if (!port_.settings[0].empty()) {
            for (std::size_t i = 0; i < port_.settings.size(); ++i) {
                settings_->WriteString("COM", kPortKeys[i], port_.settings[i]);
            }
        }
        settings_->WriteBool("SYS", "Lang", LangList->IsChinese);
        settings_->WriteBool("SYS", "RealTimeHelp", hints_->IsOn());
        settings_->WriteInteger("COMMON", "APN Index", apnChoice_->currentIndex());
        settings_->WriteString("COMMON", "APN Str", ToGbk(apnField_->text()));
        for (const SettingRow& row : kFormSettings) {
            SaveRow(*settings_, this, row);
        }
    } catch (const IniWriteError& error) {
        // The window closes all the same; the keys written so far stay in the file.
        std::cerr << error.what() << '\n';
    }
}

}  // namespace dtu
