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
    {F::cbb_APN, "lang_Lbl_APN"},
    {F::edt_APN_other, "lang_Lbl_APN"},
    {F::cbb_Com_BaudRate, "lang_Lbl_DTUBaudRate"},
    {F::cbb_Com_Parity, "lang_Lbl_ComParity"},
    {F::cbb_Com_Byte, "lang_Lbl_ComData"},
    {F::cbb_Com_Stop, "lang_Lbl_ComStop"},
    {F::cbb_WorkMode, "lang_Lbl_WorkMode"},
    {F::chk_NetPort1, "lang_Lbl_Enable", 1},
    {F::edt_IP1, "lang_Lbl_IP", 1},
    {F::edt_Port1, "lang_Lbl_Port", 1},
    {F::cbb_NetProtocol1, "lang_Lbl_NetProtocol", 1},
    {F::chk_NetPort2, "lang_Lbl_Enable", 2},
    {F::edt_IP2, "lang_Lbl_IP", 2},
    {F::edt_Port2, "lang_Lbl_Port", 2},
    {F::cbb_NetProtocol2, "lang_Lbl_NetProtocol", 2},
    {F::chk_NetPort3, "lang_Lbl_Enable", 3},
    {F::edt_IP3, "lang_Lbl_IP", 3},
    {F::edt_Port3, "lang_Lbl_Port", 3},
    {F::cbb_NetProtocol3, "lang_Lbl_NetProtocol", 3},
    {F::chk_NetPort4, "lang_Lbl_Enable", 4},
    {F::edt_IP4, "lang_Lbl_IP", 4},
    {F::edt_Port4, "lang_Lbl_Port", 4},
    {F::cbb_NetProtocol4, "lang_Lbl_NetProtocol", 4},
    {F::edt_HeartbeatTime, "lang_Lbl_HeartbeatTime"},
    {F::edt_WaitTime, "lang_Lbl_WaitTime"},
    {F::edt_RestartTime, "lang_Lbl_RestartTime"},
    // The list beside a packet has no label of its own: its row's names it.
    {F::edt_HeartbeatFormat, "lang_Lbl_HeartbeatFormat"},
    {F::cbb_HeartbeatTo, "lang_Lbl_HeartbeatFormat"},
    {F::edt_RegFormat, "lang_Lbl_DevID"},
    {F::cbb_RegMode, "lang_Lbl_DevID"},
    {F::chk_NetAtEnable, "lang_chk_NetAtEnable"},
    {F::chk_ComAtEnable, "lang_chk_ComAtEnable"},
    {F::chkCloudEnalbe, "lang_chkCloudEnalbe"},
    {F::lbledtCloud, "lang_lbledtCloud"},
    {F::lbledtPswd, "lang_lbledtPswd"},
    {F::chk_CachEnable, "lang_chk_CachEnable"},
    {F::lbledtResoc, "lang_lbledtResoc"},
    {F::edt_IP5, "lang_Lbl_IP"},
    {F::edt_Port5, "lang_Lbl_Port"},
    {F::cbbHTPTP, "lang_lblHTPTP"},
    {F::edtHTPURL, "lang_lblHTPURL"},
    {F::mmoHTPHD, "lang_lblHTPHD"},
    {F::edt_TelNo, "lang_lbl_TelNo"},
    {F::edt_Sms_TelNo, "lang_lbl_TelNo"},
    {F::mmo_Sms_Msg, "lang_lbl_Sms_Msg"},
};

constexpr std::string_view kFullWidthColon = "\xA3\xBA";

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
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

std::string FieldName(const TLangList& table, Field field) {
    const auto row = std::find_if(std::begin(kNames), std::end(kNames),
                                  [field](const NameRow& r) { return r.field == field; });
    if (row == std::end(kNames)) {
        return RowOf(field).control;
    }
    std::string name = LabelText(table, row->key);
    if (row->socket != 0) {
        name += " " + std::to_string(row->socket);
    }
    return name;
}

}  // namespace dtu
