#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <optional>

#include "lang/same_text.h"
#include "mainwindow/form_text.h"
#include "mainwindow/lang_qt.h"
#include "mainwindow/main_window.h"
#include "protocol/commands.h"
#include "protocol/engine.h"
#include "protocol/firmware.h"
#include "protocol/text_helpers.h"
#include "protocol/write_values.h"
#include "serial/port_texts.h"

namespace dtu {

namespace {

constexpr std::size_t kIcfItems = 2;
constexpr std::size_t kCipcfgItems = 6;
constexpr std::size_t kPacketItems = 3;
constexpr std::size_t kApnItems = 3;
constexpr std::size_t kSocketItems = 5;
constexpr int kHttpWorkMode = 3;

// The APN box's item for an APN name the device reports.
int ApnItem(const std::string& apn) {
    if (apn == "CMNET" || apn == "cmnet") {
        return 0;
    }
    if (apn == "UNINET" || apn == "uninet") {
        return 1;
    }
    return 2;
}

// A combo index from a reply number; numbers outside the items select nothing.
int ItemIndex(const QComboBox* combo, std::int64_t number) {
    return number >= 0 && number < combo->count() ? static_cast<int>(number) : -1;
}

}  // namespace

void Tfrm_MainLx1::DispatchReply(const std::string& name, const std::string& value) {
    const std::optional<TCmd> cmd = CmdByName(name);
    if (!cmd) {
        return;
    }
    const std::vector<std::string> items = CommaTextToList(value);
    const auto edit = [this](const char* control, const std::string& text) {
        Child<QLineEdit>(control)->setText(FromGbk(text));
    };
    const auto check = [this](const char* control, const std::string& text, const char* on) {
        SetCheckByText(Child<QCheckBox>(control), text, on);
    };
    switch (*cmd) {
        case TCmd::CIVER:
            engine_->ApplyFirmwareFamily(FirmwareFamily(value));
            break;
        case TCmd::CIPR:
            SetComboByText(Child<QComboBox>("cbb_Com_BaudRate"), value);
            break;
        case TCmd::ICF:
            ApplyIcfReply(items);
            break;
        case TCmd::CIPCFG:
            if (items.size() == kCipcfgItems) {
                edit("edt_HeartbeatTime", items[1]);
                edit("edt_WaitTime", items[3]);
                edit("edt_RestartTime", items[5]);
            }
            break;
        case TCmd::CIPPACK:
            ApplyPacketReply(items);
            break;
        case TCmd::CSTT:
            if (items.size() == kApnItems) {
                edit("edt_APN_other",
                     QuoteText(items[0]) + "," + QuoteText(items[1]) + "," + QuoteText(items[2]));
                apnChoice_->setCurrentIndex(ApnItem(items[0]));
            }
            break;
        case TCmd::CIPNUM:
            if (items.size() == 1) {
                edit("edt_TelNo", items[0]);
            }
            break;
        case TCmd::CIPSTART:
            ApplySocketReply(items);
            break;
        case TCmd::CIMOD:
            if (!items.empty()) {
                ApplyWorkModeReply(items[0]);
            }
            break;
        case TCmd::CINETAT:
            if (!items.empty()) {
                check("chk_NetAtEnable", items[0], "1");
            }
            break;
        case TCmd::CICOMAT:
            if (!items.empty()) {
                check("chk_ComAtEnable", items[0], "1");
            }
            break;
        case TCmd::HTPTP:
            SetComboByText(Child<QComboBox>("cbbHTPTP"), value);
            break;
        case TCmd::HTPURL:
            edit("edtHTPURL", value);
            break;
        case TCmd::HTPHD:
            SetMemoText(Child<QPlainTextEdit>("mmoHTPHD"), value);
            break;
        case TCmd::CLOUDID:
            edit("lbledtCloud", value);
            break;
        case TCmd::CLOUDPA:
            edit("lbledtPswd", value);
            break;
        case TCmd::CLOUDEN:
            check("chkCloudEnalbe", value, "ON");
            break;
        case TCmd::CACHE:
            check("chk_CachEnable", value, "1");
            break;
        case TCmd::RESOC:
            edit("lbledtResoc", value);
            break;
        default:
            break;
    }
}

void Tfrm_MainLx1::ApplyIcfReply(const std::vector<std::string>& items) {
    if (items.size() != kIcfItems) {
        return;
    }
    if (const auto format = IcfFormatItemsOf(items[0])) {
        Child<QComboBox>("cbb_Com_Byte")->setCurrentIndex(format->dataBitsItem);
        Child<QComboBox>("cbb_Com_Stop")->setCurrentIndex(format->stopBitsItem);
    }
    if (const auto parity = IcfParityItemOf(items[1])) {
        Child<QComboBox>("cbb_Com_Parity")->setCurrentIndex(*parity);
    }
}

void Tfrm_MainLx1::ApplyPacketReply(const std::vector<std::string>& items) {
    if (items.size() != kPacketItems) {
        return;
    }
    const std::optional<std::int64_t> option = ParseDecimal(items[2]);
    if (!option) {
        return;
    }
    const char* box;
    const char* packet;
    const char* options;
    if (items[0] == "0") {
        box = "chk_HeartbeatFormat";
        packet = "edt_HeartbeatFormat";
        options = "cbb_HeartbeatTo";
    } else if (items[0] == "1") {
        box = "chk_RegFormat";
        packet = "edt_RegFormat";
        options = "cbb_RegMode";
    } else {
        return;
    }
    // The box's handler converts the old text first; the reply's text then replaces it.
    Child<QCheckBox>(box)->setChecked(true);
    Child<QLineEdit>(packet)->setText(FromGbk(items[1]));
    auto* combo = Child<QComboBox>(options);
    combo->setCurrentIndex(ItemIndex(combo, *option));
}

void Tfrm_MainLx1::ApplySocketReply(const std::vector<std::string>& items) {
    if (items.size() != kSocketItems) {
        return;
    }
    const std::optional<std::int64_t> socket = ParseDecimal(items[0]);
    if (!socket) {
        return;
    }
    if (*socket == 1) {
        sock1_ = {UpperText(items[1]), items[2], items[3], items[4] == "1"};
        return;
    }
    if (*socket < 2 || *socket > 4) {
        return;
    }
    const QString n = QString::number(*socket);
    SetComboByText(Child<QComboBox>("cbb_NetProtocol" + n), UpperText(items[1]));
    Child<QLineEdit>("edt_IP" + n)->setText(FromGbk(items[2]));
    Child<QLineEdit>("edt_Port" + n)->setText(FromGbk(items[3]));
    Child<QCheckBox>("chk_NetPort" + n)->setChecked(items[4] == "1");
}

void Tfrm_MainLx1::ApplyWorkModeReply(const std::string& item) {
    const std::optional<std::int64_t> mode = ParseDecimal(item);
    if (!mode) {
        return;
    }
    workMode_->setCurrentIndex(ItemIndex(workMode_, *mode));
    if (*mode == 0) {
        SetComboByText(Child<QComboBox>("cbb_NetProtocol1"), sock1_.protocol);
        Child<QLineEdit>("edt_IP1")->setText(FromGbk(sock1_.host));
        Child<QLineEdit>("edt_Port1")->setText(FromGbk(sock1_.port));
        Child<QCheckBox>("chk_NetPort1")->setChecked(sock1_.enabled);
    } else if (*mode == kHttpWorkMode) {
        Child<QLineEdit>("edt_IP5")->setText(FromGbk(sock1_.host));
        Child<QLineEdit>("edt_Port5")->setText(FromGbk(sock1_.port));
    }
    ShowWorkModePage();
}

}  // namespace dtu
