#include "cli/verify.h"

#include "form/form_profile.h"
#include "lang/same_text.h"
#include "protocol/order_list.h"
#include "protocol/text_helpers.h"
#include "protocol/write_values.h"

namespace dtu::cli {

namespace {

constexpr int kDataTransmissionMode = 0;
constexpr int kHttpdClientMode = 3;
constexpr int kSmsTransmissionMode = 4;
constexpr std::size_t kApnItems = 3;

// When write all sends a field.
enum class SentWhen {
    Always,           // the tail
    DataMode,         // data transmission, either view
    DataFullView,     // data transmission, full view
    DataFullFamily2,  // data transmission, full view, firmware with cloud and cache
    CloudOn,          // as DataFullFamily2, with the cloud ticked
    HttpMode,
    HttpFamily2,
    SmsMode,
};

// How a written value and a reported one are compared.
enum class Compare {
    Text,
    Number,  // as numbers when both are, blanks ignored; else as texts
    Item,
    Tick,
    Packet,  // as the hexadecimal text that went out, ignoring letter case
    Apn,     // the three items without their quotes
};

struct CompareRow {
    Field field;
    const char* command;  // the line write all sends it in
    const char* reply;    // the reply that reports it: its name, and the item it is for
    SentWhen when;
    Compare how;
};

using F = Field;
using W = SentWhen;
using C = Compare;

constexpr CompareRow kCompared[] = {
    {F::cbb_WorkMode, "CIMOD", "CIMOD", W::Always, C::Item},
    {F::edt_APN_other, "CSTT", "CSTT", W::Always, C::Apn},
    {F::cbb_Com_Byte, "ICF", "ICF", W::Always, C::Item},
    {F::cbb_Com_Stop, "ICF", "ICF", W::Always, C::Item},
    {F::cbb_Com_Parity, "ICF", "ICF", W::Always, C::Item},
    {F::cbb_Com_BaudRate, "CIPR", "CIPR", W::Always, C::Item},
    {F::edt_HeartbeatTime, "CIPCFG", "CIPCFG", W::DataMode, C::Number},
    {F::edt_WaitTime, "CIPCFG", "CIPCFG", W::DataMode, C::Number},
    {F::edt_RestartTime, "CIPCFG", "CIPCFG", W::DataFullView, C::Number},
    {F::edt_HeartbeatFormat, "CIPPACK", "CIPPACK,0", W::DataMode, C::Packet},
    {F::cbb_HeartbeatTo, "CIPPACK", "CIPPACK,0", W::DataFullView, C::Item},
    {F::edt_RegFormat, "CIPPACK", "CIPPACK,1", W::DataMode, C::Packet},
    {F::cbb_RegMode, "CIPPACK", "CIPPACK,1", W::DataFullView, C::Item},
    {F::cbb_NetProtocol1, "CIPSCONT", "CIPSTART,1", W::DataMode, C::Item},
    {F::edt_IP1, "CIPSCONT", "CIPSTART,1", W::DataMode, C::Text},
    {F::edt_Port1, "CIPSCONT", "CIPSTART,1", W::DataMode, C::Number},
    {F::chk_NetPort1, "CIPSCONT", "CIPSTART,1", W::DataFullView, C::Tick},
    {F::cbb_NetProtocol2, "CIPSCONT", "CIPSTART,2", W::DataFullView, C::Item},
    {F::edt_IP2, "CIPSCONT", "CIPSTART,2", W::DataFullView, C::Text},
    {F::edt_Port2, "CIPSCONT", "CIPSTART,2", W::DataFullView, C::Number},
    {F::chk_NetPort2, "CIPSCONT", "CIPSTART,2", W::DataFullView, C::Tick},
    {F::cbb_NetProtocol3, "CIPSCONT", "CIPSTART,3", W::DataFullView, C::Item},
    {F::edt_IP3, "CIPSCONT", "CIPSTART,3", W::DataFullView, C::Text},
    {F::edt_Port3, "CIPSCONT", "CIPSTART,3", W::DataFullView, C::Number},
    {F::chk_NetPort3, "CIPSCONT", "CIPSTART,3", W::DataFullView, C::Tick},
    {F::cbb_NetProtocol4, "CIPSCONT", "CIPSTART,4", W::DataFullView, C::Item},
    {F::edt_IP4, "CIPSCONT", "CIPSTART,4", W::DataFullView, C::Text},
    {F::edt_Port4, "CIPSCONT", "CIPSTART,4", W::DataFullView, C::Number},
    {F::chk_NetPort4, "CIPSCONT", "CIPSTART,4", W::DataFullView, C::Tick},
    {F::chk_ComAtEnable, "CICOMAT", "CICOMAT", W::DataFullView, C::Tick},
    {F::chk_NetAtEnable, "CINETAT", "CINETAT", W::DataFullView, C::Tick},
    {F::chkCloudEnalbe, "CLOUDEN", "CLOUDEN", W::DataFullFamily2, C::Tick},
    {F::lbledtCloud, "CLOUDID", "CLOUDID", W::CloudOn, C::Text},
    {F::chk_CachEnable, "CACHE", "CACHE", W::DataFullFamily2, C::Tick},
    {F::lbledtResoc, "RESOC", "RESOC", W::DataFullFamily2, C::Number},
    {F::edt_IP5, "CIPSCONT", "CIPSTART,1", W::HttpMode, C::Text},
    {F::edt_Port5, "CIPSCONT", "CIPSTART,1", W::HttpMode, C::Number},
    {F::edtHTPURL, "HTPURL", "HTPURL", W::HttpFamily2, C::Text},
    {F::mmoHTPHD, "HTPHD", "HTPHD", W::HttpFamily2, C::Text},
    {F::cbbHTPTP, "HTPTP", "HTPTP", W::HttpFamily2, C::Item},
    {F::edt_TelNo, "CIPNUM", "CIPNUM", W::SmsMode, C::Text},
};

bool Sent(SentWhen when, const FormModel& wanted, bool familyTwo) {
    const int mode = wanted.Item(Field::cbb_WorkMode);
    const bool dataMode = mode == kDataTransmissionMode &&
                          (wanted.View() == kFullView || wanted.View() == kCompactView);
    const bool fullData = mode == kDataTransmissionMode && wanted.View() == kFullView;
    switch (when) {
        case SentWhen::Always:
            return true;
        case SentWhen::DataMode:
            return dataMode;
        case SentWhen::DataFullView:
            return fullData;
        case SentWhen::DataFullFamily2:
            return fullData && familyTwo;
        case SentWhen::CloudOn:
            return fullData && familyTwo && wanted.Tick(Field::chkCloudEnalbe);
        case SentWhen::HttpMode:
            return mode == kHttpdClientMode;
        case SentWhen::HttpFamily2:
            return mode == kHttpdClientMode && familyTwo;
        case SentWhen::SmsMode:
            return mode == kSmsTransmissionMode;
    }
    return false;
}

Field HexBoxOf(Field packet) {
    return packet == Field::edt_RegFormat ? Field::chk_RegFormat : Field::chk_HeartbeatFormat;
}

// The value as the comparison sees it and as a mismatch shows it.
std::string Shown(const CompareRow& row, const FormModel& form) {
    switch (row.how) {
        case Compare::Item: {
            const std::string text = form.ItemText(row.field);
            return text.empty() ? std::to_string(form.Item(row.field)) : text;
        }
        case Compare::Tick:
            return CheckToDigit(form.Tick(row.field));
        case Compare::Packet:
            return PacketHexText(form.Text(row.field), form.Tick(HexBoxOf(row.field)));
        case Compare::Text:
        case Compare::Number:
        case Compare::Apn:
            break;
    }
    return form.Text(row.field);
}

std::vector<std::string> ApnItems(const std::string& value) {
    std::vector<std::string> items = CommaTextToList(value);
    for (std::string& item : items) {
        item = DelQuotes(item);
    }
    if (items.size() < kApnItems) {
        items.resize(kApnItems);
    }
    return items;
}

bool Same(Compare how, const std::string& wanted, const std::string& found) {
    switch (how) {
        case Compare::Number: {
            const std::optional<std::int64_t> a = ParseDecimal(DelSpaces(wanted));
            const std::optional<std::int64_t> b = ParseDecimal(DelSpaces(found));
            return a && b ? *a == *b : wanted == found;
        }
        case Compare::Packet:
            return SameText(wanted, found);
        case Compare::Apn:
            return ApnItems(wanted) == ApnItems(found);
        case Compare::Text:
        case Compare::Item:
        case Compare::Tick:
            break;
    }
    return wanted == found;
}

std::string KeyOf(Field field) {
    const FieldRow& row = RowOf(field);
    if (row.section != nullptr) {
        return std::string(row.section) + "/" + row.key;
    }
    if (field == Field::cbb_WorkMode) {
        return std::string(kWorkModeKey.section) + "/" + kWorkModeKey.key;
    }
    return row.control;
}

// Whether a packet or socket line carries the row's packet or socket: the
// reply's item against the line's first argument.
bool SameItem(const CompareRow& row, std::string_view line) {
    const std::string_view reply = row.reply;
    const std::size_t comma = reply.find(',');
    if (comma == std::string_view::npos) {
        return true;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    const std::string_view arguments = line.substr(equals + 1);
    return arguments.substr(0, arguments.find_first_of(",\r\n")) == reply.substr(comma + 1);
}

}  // namespace

std::vector<Mismatch> CompareWritten(const FormModel& wanted, const FormModel& found,
                                     const std::set<std::string>& reported, bool familyTwo) {
    std::vector<Mismatch> mismatches;
    for (const CompareRow& row : kCompared) {
        if (!Sent(row.when, wanted, familyTwo)) {
            continue;
        }
        std::string written = Shown(row, wanted);
        if (!reported.contains(row.reply)) {
            mismatches.push_back({KeyOf(row.field), std::move(written), {}, true});
            continue;
        }
        std::string read = Shown(row, found);
        if (!Same(row.how, written, read)) {
            mismatches.push_back({KeyOf(row.field), std::move(written), std::move(read)});
        }
    }
    return mismatches;
}

std::vector<std::string> KeysSentBy(const std::string& line, const FormModel& wanted,
                                    bool familyTwo) {
    const std::string command = LineCommandName(line);
    std::vector<std::string> keys;
    for (const CompareRow& row : kCompared) {
        if (command == row.command && SameItem(row, line) && Sent(row.when, wanted, familyTwo)) {
            keys.push_back(KeyOf(row.field));
        }
    }
    return keys;
}

}  // namespace dtu::cli
