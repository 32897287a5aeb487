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
        form.SetItem(Field::DataBits, format->dataBitsItem);
        form.SetItem(Field::StopBits, format->stopBitsItem);
    }
    if (parity) {
        form.SetItem(Field::Parity, *parity);
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
        box = Field::HeartbeatPacketHex;
        packet = Field::HeartbeatPacket;
        options = Field::HeartbeatTarget;
    } else if (items[0] == "1") {
        box = Field::RegistrationPacketHex;
        packet = Field::RegistrationPacket;
        options = Field::RegistrationMode;
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
    const SocketFields& fields = kSockets[*socket - 1];
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
    form.SetItem(Field::WorkMode, ItemFrom(*mode));
    const FormModel::Socket1Store& socket1 = form.socket1;
    if (*mode == kDataTransmissionMode) {
        form.SetItemByText(Field::Socket1Protocol, socket1.protocol);
        form.SetText(Field::Socket1Host, socket1.host);
        form.SetText(Field::Socket1Port, socket1.port);
        form.SetTick(Field::Socket1Enable, socket1.enabled);
    } else if (*mode == kHttpdClientMode) {
        form.SetText(Field::HttpHost, socket1.host);
        form.SetText(Field::HttpPort, socket1.port);
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
            form.SetItemByText(Field::BaudRate, value);
            return true;
        case TCmd::ICF:
            return ApplyIcf(form, items);
        case TCmd::CIPCFG:
            if (items.size() != kCipcfgItems) {
                return false;
            }
            form.SetText(Field::HeartbeatPeriod, items[1]);
            form.SetText(Field::PackingTime, items[3]);
            form.SetText(Field::RestartTime, items[5]);
            return true;
        case TCmd::CIPPACK:
            return ApplyPacket(form, items);
        case TCmd::CSTT:
            if (items.size() != kApnItems) {
                return false;
            }
            form.SetText(Field::Apn, QuoteText(items[0]) + "," + QuoteText(items[1]) + "," +
                                         QuoteText(items[2]));
            form.SetItem(Field::ApnChoice, ApnItem(items[0]));
            return true;
        case TCmd::CIPNUM:
            if (items.size() != 1) {
                return false;
            }
            form.SetText(Field::SmsModePhone, items[0]);
            return true;
        case TCmd::CIPSTART:
            return ApplySocket(form, items);
        case TCmd::CIMOD:
            return !items.empty() && ApplyWorkMode(form, items[0]);
        case TCmd::CINETAT:
            return ApplyFirstItemTick(form, Field::NetAtEnable, items);
        case TCmd::CICOMAT:
            return ApplyFirstItemTick(form, Field::ComAtEnable, items);
        case TCmd::HTPTP:
            form.SetItemByText(Field::HttpMethod, value);
            return true;
        case TCmd::HTPURL:
            form.SetText(Field::HttpUrl, value);
            return true;
        case TCmd::HTPHD:
            form.SetText(Field::HttpHeaders, value);
            return true;
        case TCmd::CLOUDID:
            form.SetText(Field::CloudNumber, value);
            return true;
        case TCmd::CLOUDPA:
            form.SetText(Field::CloudPassword, value);
            return true;
        case TCmd::CLOUDEN:
            form.SetTick(Field::CloudEnable, value == "ON");
            return true;
        case TCmd::CACHE:
            form.SetTick(Field::CacheEnable, value == "1");
            return true;
        case TCmd::RESOC:
            form.SetText(Field::ReconnectInterval, value);
            return true;
        default:
            return false;
    }
}

}  // namespace dtu
