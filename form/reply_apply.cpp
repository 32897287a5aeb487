#include "form/reply_apply.h"

#include <optional>
#include <string>
#include <vector>

#include "form/device_map.h"
#include "lang/same_text.h"
#include "protocol/commands.h"
#include "protocol/text_helpers.h"
#include "protocol/write_values.h"

namespace dtu {

namespace {

constexpr std::size_t kIcfItems = 2;
constexpr std::size_t kCipcfgItems = 6;
constexpr std::size_t kPacketItems = 3;
constexpr std::size_t kApnItems = 3;
constexpr std::size_t kSocketItems = 5;

struct SocketFields {
    Field protocol, host, port, enabled;
};
constexpr SocketFields kSockets2To4[] = {
    {Field::cbb_NetProtocol2, Field::edt_IP2, Field::edt_Port2, Field::chk_NetPort2},
    {Field::cbb_NetProtocol3, Field::edt_IP3, Field::edt_Port3, Field::chk_NetPort3},
    {Field::cbb_NetProtocol4, Field::edt_IP4, Field::edt_Port4, Field::chk_NetPort4},
};

// The APN box's item for an APN name the device reports.
int ApnItem(const std::string& apn) {
    if (apn == "CMNET" || apn == "cmnet") {
        return 0;
    }
    if (apn == "UNINET" || apn == "uninet") {
        return 1;
    }
    return kApnOtherChoice;
}

// An item index from a reply number; numbers outside an int select nothing.
int ItemFrom(std::int64_t number) {
    return number >= 0 && number <= INT32_MAX ? static_cast<int>(number) : -1;
}

bool ApplyIcf(FormModel& form, const std::vector<std::string>& items) {
    if (items.size() != kIcfItems) {
        return false;
    }
    const auto format = IcfFormatItemsOf(items[0]);
    const auto parity = IcfParityItemOf(items[1]);
    if (format) {
        form.SetItem(Field::cbb_Com_Byte, format->dataBitsItem);
        form.SetItem(Field::cbb_Com_Stop, format->stopBitsItem);
    }
    if (parity) {
        form.SetItem(Field::cbb_Com_Parity, *parity);
    }
    return format && parity;
}

bool ApplyPacket(FormModel& form, const std::vector<std::string>& items) {
    if (items.size() != kPacketItems) {
        return false;
    }
    const std::optional<std::int64_t> option = ParseDecimal(items[2]);
    if (!option) {
        return false;
    }
    Field box, packet, options;
    if (items[0] == "0") {
        box = Field::chk_HeartbeatFormat;
        packet = Field::edt_HeartbeatFormat;
        options = Field::cbb_HeartbeatTo;
    } else if (items[0] == "1") {
        box = Field::chk_RegFormat;
        packet = Field::edt_RegFormat;
        options = Field::cbb_RegMode;
    } else {
        return false;
    }
    // The box converts the old text first; the reply's text then replaces it.
    form.SetTick(box, true);
    form.SetText(packet, items[1]);
    form.SetItem(options, ItemFrom(*option));
    return true;
}

bool ApplySocket(FormModel& form, const std::vector<std::string>& items) {
    if (items.size() != kSocketItems) {
        return false;
    }
    const std::optional<std::int64_t> socket = ParseDecimal(items[0]);
    if (!socket || *socket < 1 || *socket > 4) {
        return false;
    }
    if (*socket == 1) {
        form.socket1 = {UpperText(items[1]), items[2], items[3], items[4] == "1"};
        return true;
    }
    const SocketFields& fields = kSockets2To4[*socket - 2];
    form.SetItemByText(fields.protocol, UpperText(items[1]));
    form.SetText(fields.host, items[2]);
    form.SetText(fields.port, items[3]);
    form.SetTick(fields.enabled, items[4] == "1");
    return true;
}

bool ApplyWorkMode(FormModel& form, const std::string& item) {
    const std::optional<std::int64_t> mode = ParseDecimal(item);
    if (!mode) {
        return false;
    }
    form.SetItem(Field::cbb_WorkMode, ItemFrom(*mode));
    const FormModel::Socket1Store& socket1 = form.socket1;
    if (*mode == kDataTransmissionMode) {
        form.SetItemByText(Field::cbb_NetProtocol1, socket1.protocol);
        form.SetText(Field::edt_IP1, socket1.host);
        form.SetText(Field::edt_Port1, socket1.port);
        form.SetTick(Field::chk_NetPort1, socket1.enabled);
    } else if (*mode == kHttpdClientMode) {
        form.SetText(Field::edt_IP5, socket1.host);
        form.SetText(Field::edt_Port5, socket1.port);
    }
    return true;
}

bool ApplyFirstItemTick(FormModel& form, Field box, const std::vector<std::string>& items) {
    if (items.empty()) {
        return false;
    }
    form.SetTick(box, items[0] == "1");
    return true;
}

}  // namespace

bool ApplyReply(FormModel& form, const ReplyValue& reply) {
    const std::optional<TCmd> cmd = CmdByName(reply.name);
    if (!cmd) {
        return false;
    }
    const std::string& value = reply.value;
    const std::vector<std::string> items = CommaTextToList(value);
    switch (*cmd) {
        case TCmd::CIVER:
            return true;
        case TCmd::CIPR:
            // A rate outside the list leaves the box blank, as the device said.
            form.SetItemByText(Field::cbb_Com_BaudRate, value);
            return true;
        case TCmd::ICF:
            return ApplyIcf(form, items);
        case TCmd::CIPCFG:
            if (items.size() != kCipcfgItems) {
                return false;
            }
            form.SetText(Field::edt_HeartbeatTime, items[1]);
            form.SetText(Field::edt_WaitTime, items[3]);
            form.SetText(Field::edt_RestartTime, items[5]);
            return true;
        case TCmd::CIPPACK:
            return ApplyPacket(form, items);
        case TCmd::CSTT:
            if (items.size() != kApnItems) {
                return false;
            }
            form.SetText(Field::edt_APN_other, QuoteText(items[0]) + "," + QuoteText(items[1]) +
                                                   "," + QuoteText(items[2]));
            form.SetItem(Field::cbb_APN, ApnItem(items[0]));
            return true;
        case TCmd::CIPNUM:
            if (items.size() != 1) {
                return false;
            }
            form.SetText(Field::edt_TelNo, items[0]);
            return true;
        case TCmd::CIPSTART:
            return ApplySocket(form, items);
        case TCmd::CIMOD:
            return !items.empty() && ApplyWorkMode(form, items[0]);
        case TCmd::CINETAT:
            return ApplyFirstItemTick(form, Field::chk_NetAtEnable, items);
        case TCmd::CICOMAT:
            return ApplyFirstItemTick(form, Field::chk_ComAtEnable, items);
        case TCmd::HTPTP:
            form.SetItemByText(Field::cbbHTPTP, value);
            return true;
        case TCmd::HTPURL:
            form.SetText(Field::edtHTPURL, value);
            return true;
        case TCmd::HTPHD:
            form.SetText(Field::mmoHTPHD, value);
            return true;
        case TCmd::CLOUDID:
            form.SetText(Field::lbledtCloud, value);
            return true;
        case TCmd::CLOUDPA:
            form.SetText(Field::lbledtPswd, value);
            return true;
        case TCmd::CLOUDEN:
            form.SetTick(Field::chkCloudEnalbe, value == "ON");
            return true;
        case TCmd::CACHE:
            form.SetTick(Field::chk_CachEnable, value == "1");
            return true;
        case TCmd::RESOC:
            form.SetText(Field::lbledtResoc, value);
            return true;
        default:
            return false;
    }
}

}  // namespace dtu
