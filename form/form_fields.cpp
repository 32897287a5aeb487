#include "form/form_fields.h"

#include <array>

namespace dtu {

namespace {

using K = FieldKind;
using F = Field;
constexpr const char* kHost = kDefaultServerHost;
constexpr std::span<const char* const> kNoItems;
constexpr const char* kCmnetApn = kApnChoiceValues[0];

// Two lists a factory reset puts on their first item, none with items the device sees.
constexpr int kTwoItems = 2;

constexpr FieldRow kRows[] = {
    {F::ApnChoice, "cbb_APN", "lang_Lbl_APN", K::Item, "COMMON", "APN Index", "0", "0", 0, kNoItems,
     kApnChoiceCount},
    {F::Apn, "edt_APN_other", "lang_Lbl_APN", K::Text, "COMMON", "APN Str", kCmnetApn, "CMNET", 0,
     kNoItems, 0},
    {F::BaudRate, "cbb_Com_BaudRate", "lang_Lbl_DTUBaudRate", K::Item, "COMMON", "BaudRate", "10",
     "10", 0, kBaudRateItems, 0},
    {F::Parity, "cbb_Com_Parity", "lang_Lbl_ComParity", K::Item, "COMMON", "Parity", "0", "0", 0,
     kParityItems, 0},
    {F::DataBits, "cbb_Com_Byte", "lang_Lbl_ComData", K::Item, "COMMON", "Byte", "1", "1", 0,
     kDataBitsItems, 0},
    {F::StopBits, "cbb_Com_Stop", "lang_Lbl_ComStop", K::Item, "COMMON", "Stop", "0", "0", 0,
     kStopBitsItems, 0},
    {F::Socket1Enable, "chk_NetPort1", "lang_Lbl_Enable", K::Tick, "DTM", "Enable1", "1", "1", 0,
     kNoItems, 0},
    {F::Socket1Host, "edt_IP1", "lang_Lbl_IP", K::Text, "DTM", "IP1", kHost, "", 0, kNoItems, 0},
    {F::Socket1Port, "edt_Port1", "lang_Lbl_Port", K::Text, "DTM", "Port1", "2317", "", 5, kNoItems,
     0},
    {F::Socket1Protocol, "cbb_NetProtocol1", "lang_Lbl_NetProtocol", K::Item, "DTM", "Protocol1",
     "0", "0", 0, kProtocolItems, 0},
    {F::Socket2Enable, "chk_NetPort2", "lang_Lbl_Enable", K::Tick, "DTM", "Enable2", "0", "0", 0,
     kNoItems, 0},
    {F::Socket2Host, "edt_IP2", "lang_Lbl_IP", K::Text, "DTM", "IP2", kHost, "", 0, kNoItems, 0},
    {F::Socket2Port, "edt_Port2", "lang_Lbl_Port", K::Text, "DTM", "Port2", "2317", "", 5, kNoItems,
     0},
    {F::Socket2Protocol, "cbb_NetProtocol2", "lang_Lbl_NetProtocol", K::Item, "DTM", "Protocol2",
     "0", "0", 0, kProtocolItems, 0},
    {F::Socket3Enable, "chk_NetPort3", "lang_Lbl_Enable", K::Tick, "DTM", "Enable3", "0", "0", 0,
     kNoItems, 0},
    {F::Socket3Host, "edt_IP3", "lang_Lbl_IP", K::Text, "DTM", "IP3", kHost, "", 0, kNoItems, 0},
    {F::Socket3Port, "edt_Port3", "lang_Lbl_Port", K::Text, "DTM", "Port3", "2317", "", 5, kNoItems,
     0},
    {F::Socket3Protocol, "cbb_NetProtocol3", "lang_Lbl_NetProtocol", K::Item, "DTM", "Protocol3",
     "0", "0", 0, kProtocolItems, 0},
    {F::Socket4Enable, "chk_NetPort4", "lang_Lbl_Enable", K::Tick, "DTM", "Enable4", "0", "0", 0,
     kNoItems, 0},
    {F::Socket4Host, "edt_IP4", "lang_Lbl_IP", K::Text, "DTM", "IP4", kHost, "", 0, kNoItems, 0},
    {F::Socket4Port, "edt_Port4", "lang_Lbl_Port", K::Text, "DTM", "Port4", "2317", "", 5, kNoItems,
     0},
    {F::Socket4Protocol, "cbb_NetProtocol4", "lang_Lbl_NetProtocol", K::Item, "DTM", "Protocol4",
     "0", "0", 0, kProtocolItems, 0},
    {F::HeartbeatPeriod, "edt_HeartbeatTime", "lang_Lbl_HeartbeatTime", K::Text, "DTM",
     "HeartbeatTime", "50", "", 0, kNoItems, 0},
    {F::PackingTime, "edt_WaitTime", "lang_Lbl_WaitTime", K::Text, "DTM", "WaitTime", "10", "", 0,
     kNoItems, 0},
    {F::RestartTime, "edt_RestartTime", "lang_Lbl_RestartTime", K::Text, "DTM", "RestartTime",
     "1800", "", 0, kNoItems, 0},
    {F::HeartbeatPacket, "edt_HeartbeatFormat", "lang_Lbl_HeartbeatFormat", K::Text, "DTM",
     "HeartbeatFormat", "LOG", "", 0, kNoItems, 0, LoadStep::AfterHexBoxes},
    {F::RegistrationPacket, "edt_RegFormat", "lang_Lbl_DevID", K::Text, "DTM", "LoginFormat",
     "LOGIN:1001", "", 0, kNoItems, 0, LoadStep::AfterHexBoxes},
    {F::HeartbeatPacketHex, "chk_HeartbeatFormat", nullptr, K::Tick, "DTM", "HeartbeatFormatHex",
     "0", "0", 0, kNoItems, 0},
    {F::RegistrationPacketHex, "chk_RegFormat", nullptr, K::Tick, "DTM", "LoginFormatHex", "0", "0",
     0, kNoItems, 0, LoadStep::LastHexBox},
    {F::HeartbeatTarget, "cbb_HeartbeatTo", "lang_Lbl_HeartbeatFormat", K::Item, "DTM",
     "HeartbeatTo", "0", "0", 0, kNoItems, kTwoItems},
    {F::RegistrationMode, "cbb_RegMode", "lang_Lbl_DevID", K::Item, "DTM", "LoginMode", "0", "0", 0,
     kNoItems, kTwoItems},
    {F::D2dId, "lbledt_D2D_ID", nullptr, K::Text, "DTM", "D2D ID", "100", nullptr, 5, kNoItems, 0},
    {F::D2dEnable, "chk_D2DEnable", nullptr, K::Tick, "DTM", "D2dEnable", "0", "0", 0, kNoItems, 0},
    {F::NetAtEnable, "chk_NetAtEnable", "lang_chk_NetAtEnable", K::Tick, "DTM", "NetAtEnable", "0",
     "0", 0, kNoItems, 0},
    {F::ComAtEnable, "chk_ComAtEnable", "lang_chk_ComAtEnable", K::Tick, "DTM", "ComAtEnable", "0",
     "0", 0, kNoItems, 0},
    {F::CloudEnable, "chkCloudEnalbe", "lang_chkCloudEnalbe", K::Tick, "DTM", "CloudEnable", "0",
     "0", 0, kNoItems, 0},
    {F::CacheEnable, "chk_CachEnable", "lang_chk_CachEnable", K::Tick, "DTM", "CacheEnable", "0",
     "0", 0, kNoItems, 0},
    {F::ReconnectInterval, "lbledtResoc", "lang_lbledtResoc", K::Text, "DTM", "Resoc", "5", "", 20,
     kNoItems, 0},
    {F::CloudNumber, "lbledtCloud", "lang_lbledtCloud", K::Text, "DTM", "CloudID", "", "", 20,
     kNoItems, 0},
    {F::HttpHost, "edt_IP5", "lang_Lbl_IP", K::Text, "HCM", "IP", kHost, "", 0, kNoItems, 0},
    {F::HttpPort, "edt_Port5", "lang_Lbl_Port", K::Text, "HCM", "Port", "2317", "", 0, kNoItems, 0},
    {F::HttpMethod, "cbbHTPTP", "lang_lblHTPTP", K::Item, "HCM", "HTPTP", "0", nullptr, 0,
     kHttpMethodItems, 0},
    {F::HttpUrl, "edtHTPURL", "lang_lblHTPURL", K::Text, "HCM", "HTPURL", "", nullptr, 0, kNoItems,
     0},
    {F::HttpHeaders, "mmoHTPHD", "lang_lblHTPHD", K::Memo, "HCM", "HTPHD", "", nullptr, 0, kNoItems,
     0},
    {F::SmsModePhone, "edt_TelNo", "lang_lbl_TelNo", K::Text, "STM", "TelNo", "10086", "", 0,
     kNoItems, 0},
    {F::WorkMode, "cbb_WorkMode", "lang_Lbl_WorkMode", K::Item, nullptr, nullptr, "0", "0", 0,
     kNoItems, kWorkModeCount},
    {F::CloudPassword, "lbledtPswd", "lang_lbledtPswd", K::Text, nullptr, nullptr, "", "", 8,
     kNoItems, 0},
    {F::HttpProtocol, "cbb_NetProtocol5", nullptr, K::Item, nullptr, nullptr, "0", "0", 0,
     kProtocolItems, 0},
    {F::HttpSocketEnable, "chk_NetPort5", nullptr, K::Tick, nullptr, nullptr, "1", "1", 0, kNoItems,
     0},
    {F::SmsPhone, "edt_Sms_TelNo", "lang_lbl_TelNo", K::Text, nullptr, nullptr, "", nullptr, 0,
     kNoItems, 0},
    {F::SmsMessage, "mmo_Sms_Msg", "lang_lbl_Sms_Msg", K::Memo, nullptr, nullptr, "", nullptr, 0,
     kNoItems, 0},
};

static_assert(std::size(kRows) == kFieldCount);

constexpr bool RowsInFieldOrder() {
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        if (static_cast<std::size_t>(kRows[i].field) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInFieldOrder(), "RowOf indexes the table by field");

}  // namespace

std::span<const FieldRow> FormFields() {
    return kRows;
}

int ItemCount(const FieldRow& row) {
    return row.items.empty() ? row.itemCount : static_cast<int>(row.items.size());
}

int SocketNumberOf(Field field) {
    for (std::size_t i = 0; i < std::size(kSockets); ++i) {
        const SocketFields& socket = kSockets[i];
        if (field == socket.protocol || field == socket.host || field == socket.port ||
            field == socket.enabled) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

const FieldRow& RowOf(Field field) {
    return kRows[static_cast<std::size_t>(field)];
}

}  // namespace dtu
