#include "render/field_names.h"

#include <algorithm>
#include <iterator>

namespace dtu {

namespace {

struct NameRow {
    Field field;
    const char* key;
    int socket = 0;  // the socket number that follows the label; 0 for none
};

using F = Field;

constexpr NameRow kNames[] = {
    {F::ApnChoice, "lang_Lbl_APN"},
    {F::Apn, "lang_Lbl_APN"},
    {F::BaudRate, "lang_Lbl_DTUBaudRate"},
    {F::Parity, "lang_Lbl_ComParity"},
    {F::DataBits, "lang_Lbl_ComData"},
    {F::StopBits, "lang_Lbl_ComStop"},
    {F::WorkMode, "lang_Lbl_WorkMode"},
    {F::Socket1Enable, "lang_Lbl_Enable", 1},
    {F::Socket1Host, "lang_Lbl_IP", 1},
    {F::Socket1Port, "lang_Lbl_Port", 1},
    {F::Socket1Protocol, "lang_Lbl_NetProtocol", 1},
    {F::Socket2Enable, "lang_Lbl_Enable", 2},
    {F::Socket2Host, "lang_Lbl_IP", 2},
    {F::Socket2Port, "lang_Lbl_Port", 2},
    {F::Socket2Protocol, "lang_Lbl_NetProtocol", 2},
    {F::Socket3Enable, "lang_Lbl_Enable", 3},
    {F::Socket3Host, "lang_Lbl_IP", 3},
    {F::Socket3Port, "lang_Lbl_Port", 3},
    {F::Socket3Protocol, "lang_Lbl_NetProtocol", 3},
    {F::Socket4Enable, "lang_Lbl_Enable", 4},
    {F::Socket4Host, "lang_Lbl_IP", 4},
    {F::Socket4Port, "lang_Lbl_Port", 4},
    {F::Socket4Protocol, "lang_Lbl_NetProtocol", 4},
    {F::HeartbeatPeriod, "lang_Lbl_HeartbeatTime"},
    {F::PackingTime, "lang_Lbl_WaitTime"},
    {F::RestartTime, "lang_Lbl_RestartTime"},
    // The list beside a packet has no label of its own: its row's names it.
    {F::HeartbeatPacket, "lang_Lbl_HeartbeatFormat"},
    {F::HeartbeatTarget, "lang_Lbl_HeartbeatFormat"},
    {F::RegistrationPacket, "lang_Lbl_DevID"},
    {F::RegistrationMode, "lang_Lbl_DevID"},
    {F::NetAtEnable, "lang_chk_NetAtEnable"},
    {F::ComAtEnable, "lang_chk_ComAtEnable"},
    {F::CloudEnable, "lang_chkCloudEnalbe"},
    {F::CloudNumber, "lang_lbledtCloud"},
    {F::CloudPassword, "lang_lbledtPswd"},
    {F::CacheEnable, "lang_chk_CachEnable"},
    {F::ReconnectInterval, "lang_lbledtResoc"},
    {F::HttpHost, "lang_Lbl_IP"},
    {F::HttpPort, "lang_Lbl_Port"},
    {F::HttpMethod, "lang_lblHTPTP"},
    {F::HttpUrl, "lang_lblHTPURL"},
    {F::HttpHeaders, "lang_lblHTPHD"},
    {F::SmsModePhone, "lang_lbl_TelNo"},
    {F::SmsPhone, "lang_lbl_TelNo"},
    {F::SmsMessage, "lang_lbl_Sms_Msg"},
};

constexpr std::string_view kFullWidthColon = "\xA3\xBA";

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

const NameRow* NameRowOf(Field field) {
    const auto row = std::find_if(std::begin(kNames), std::end(kNames),
                                  [field](const NameRow& r) { return r.field == field; });
    return row == std::end(kNames) ? nullptr : row;
}

}  // namespace

std::string LabelText(const TLangList& table, const char* key) {
    std::string text;
    // Blanks are single bytes in GBK: no character's second byte is one.
    for (const char c : table.GetText(key)) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!blank) {
            text += c;
        } else if (!text.empty() && text.back() != ' ') {
            text += ' ';
        }
    }
    while (true) {
        if (!text.empty() && (text.back() == ' ' || text.back() == ':')) {
            text.pop_back();
        } else if (EndsWith(text, kFullWidthColon)) {
            text.resize(text.size() - kFullWidthColon.size());
        } else {
            return text;
        }
    }
}

std::string FieldLabel(const TLangList& table, Field field) {
    const NameRow* row = NameRowOf(field);
    return row == nullptr ? RowOf(field).control : LabelText(table, row->key);
}

std::string FieldName(const TLangList& table, Field field) {
    std::string name = FieldLabel(table, field);
    const NameRow* row = NameRowOf(field);
    if (row != nullptr && row->socket != 0) {
        name += " " + std::to_string(row->socket);
    }
    return name;
}

}  // namespace dtu
