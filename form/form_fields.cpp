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
    {F::cbb_APN, "cbb_APN", K::Item, "COMMON", "APN Index", "0", "0", 0, kNoItems, kApnChoiceCount},
    {F::edt_APN_other, "edt_APN_other", K::Text, "COMMON", "APN Str", kCmnetApn, "CMNET", 0,
     kNoItems, 0},
    {F::cbb_Com_BaudRate, "cbb_Com_BaudRate", K::Item, "COMMON", "BaudRate", "10", "10", 0,
     kBaudRateItems, 0},
    {F::cbb_Com_Parity, "cbb_Com_Parity", K::Item, "COMMON", "Parity", "0", "0", 0, kParityItems,
     0},
    {F::cbb_Com_Byte, "cbb_Com_Byte", K::Item, "COMMON", "Byte", "1", "1", 0, kDataBitsItems, 0},
    {F::cbb_Com_Stop, "cbb_Com_Stop", K::Item, "COMMON", "Stop", "0", "0", 0, kStopBitsItems, 0},
    {F::chk_NetPort1, "chk_NetPort1", K::Tick, "DTM", "Enable1", "1", "1", 0, kNoItems, 0},
    {F::edt_IP1, "edt_IP1", K::Text, "DTM", "IP1", kHost, "", 0, kNoItems, 0},
    {F::edt_Port1, "edt_Port1", K::Text, "DTM", "Port1", "2317", "", 5, kNoItems, 0},
    {F::cbb_NetProtocol1, "cbb_NetProtocol1", K::Item, "DTM", "Protocol1", "0", "0", 0,
     kProtocolItems, 0},
    {F::chk_NetPort2, "chk_NetPort2", K::Tick, "DTM", "Enable2", "0", "0", 0, kNoItems, 0},
    {F::edt_IP2, "edt_IP2", K::Text, "DTM", "IP2", kHost, "", 0, kNoItems, 0},
    {F::edt_Port2, "edt_Port2", K::Text, "DTM", "Port2", "2317", "", 5, kNoItems, 0},
    {F::cbb_NetProtocol2, "cbb_NetProtocol2", K::Item, "DTM", "Protocol2", "0", "0", 0,
     kProtocolItems, 0},
    {F::chk_NetPort3, "chk_NetPort3", K::Tick, "DTM", "Enable3", "0", "0", 0, kNoItems, 0},
    {F::edt_IP3, "edt_IP3", K::Text, "DTM", "IP3", kHost, "", 0, kNoItems, 0},
    {F::edt_Port3, "edt_Port3", K::Text, "DTM", "Port3", "2317", "", 5, kNoItems, 0},
    {F::cbb_NetProtocol3, "cbb_NetProtocol3", K::Item, "DTM", "Protocol3", "0", "0", 0,
     kProtocolItems, 0},
    {F::chk_NetPort4, "chk_NetPort4", K::Tick, "DTM", "Enable4", "0", "0", 0, kNoItems, 0},
    {F::edt_IP4, "edt_IP4", K::Text, "DTM", "IP4", kHost, "", 0, kNoItems, 0},
    {F::edt_Port4, "edt_Port4", K::Text, "DTM", "Port4", "2317", "", 5, kNoItems, 0},
    {F::cbb_NetProtocol4, "cbb_NetProtocol4", K::Item, "DTM", "Protocol4", "0", "0", 0,
     kProtocolItems, 0},
    {F::edt_HeartbeatTime, "edt_HeartbeatTime", K::Text, "DTM", "HeartbeatTime", "50", "", 0,
     kNoItems, 0},
    {F::edt_WaitTime, "edt_WaitTime", K::Text, "DTM", "WaitTime", "10", "", 0, kNoItems, 0},
    {F::edt_RestartTime, "edt_RestartTime", K::Text, "DTM", "RestartTime", "1800", "", 0, kNoItems,
     0},
    {F::edt_HeartbeatFormat, "edt_HeartbeatFormat", K::Text, "DTM", "HeartbeatFormat", "LOG", "", 0,
     kNoItems, 0, LoadStep::AfterHexBoxes},
    {F::edt_RegFormat, "edt_RegFormat", K::Text, "DTM", "LoginFormat", "LOGIN:1001", "", 0,
     kNoItems, 0, LoadStep::AfterHexBoxes},
    {F::chk_HeartbeatFormat, "chk_HeartbeatFormat", K::Tick, "DTM", "HeartbeatFormatHex", "0", "0",
     0, kNoItems, 0},
    {F::chk_RegFormat, "chk_RegFormat", K::Tick, "DTM", "LoginFormatHex", "0", "0", 0, kNoItems, 0,
     LoadStep::LastHexBox},
    {F::cbb_HeartbeatTo, "cbb_HeartbeatTo", K::Item, "DTM", "HeartbeatTo", "0", "0", 0, kNoItems,
     kTwoItems},
    {F::cbb_RegMode, "cbb_RegMode", K::Item, "DTM", "LoginMode", "0", "0", 0, kNoItems, kTwoItems},
    {F::lbledt_D2D_ID, "lbledt_D2D_ID", K::Text, "DTM", "D2D ID", "100", nullptr, 5, kNoItems, 0},
    {F::chk_D2DEnable, "chk_D2DEnable", K::Tick, "DTM", "D2dEnable", "0", "0", 0, kNoItems, 0},
    {F::chk_NetAtEnable, "chk_NetAtEnable", K::Tick, "DTM", "NetAtEnable", "0", "0", 0, kNoItems,
     0},
    {F::chk_ComAtEnable, "chk_ComAtEnable", K::Tick, "DTM", "ComAtEnable", "0", "0", 0, kNoItems,
     0},
    {F::chkCloudEnalbe, "chkCloudEnalbe", K::Tick, "DTM", "CloudEnable", "0", "0", 0, kNoItems, 0},
    {F::chk_CachEnable, "chk_CachEnable", K::Tick, "DTM", "CacheEnable", "0", "0", 0, kNoItems, 0},
    {F::lbledtResoc, "lbledtResoc", K::Text, "DTM", "Resoc", "5", "", 20, kNoItems, 0},
    {F::lbledtCloud, "lbledtCloud", K::Text, "DTM", "CloudID", "", "", 20, kNoItems, 0},
    {F::edt_IP5, "edt_IP5", K::Text, "HCM", "IP", kHost, "", 0, kNoItems, 0},
    {F::edt_Port5, "edt_Port5", K::Text, "HCM", "Port", "2317", "", 0, kNoItems, 0},
    {F::cbbHTPTP, "cbbHTPTP", K::Item, "HCM", "HTPTP", "0", nullptr, 0, kHttpMethodItems, 0},
    {F::edtHTPURL, "edtHTPURL", K::Text, "HCM", "HTPURL", "", nullptr, 0, kNoItems, 0},
    {F::mmoHTPHD, "mmoHTPHD", K::Memo, "HCM", "HTPHD", "", nullptr, 0, kNoItems, 0},
    {F::edt_TelNo, "edt_TelNo", K::Text, "STM", "TelNo", "10086", "", 0, kNoItems, 0},
    {F::cbb_WorkMode, "cbb_WorkMode", K::Item, nullptr, nullptr, "0", "0", 0, kNoItems,
     kWorkModeCount},
    {F::lbledtPswd, "lbledtPswd", K::Text, nullptr, nullptr, "", "", 8, kNoItems, 0},
    {F::cbb_NetProtocol5, "cbb_NetProtocol5", K::Item, nullptr, nullptr, "0", "0", 0,
     kProtocolItems, 0},
    {F::chk_NetPort5, "chk_NetPort5", K::Tick, nullptr, nullptr, "1", "1", 0, kNoItems, 0},
    {F::edt_Sms_TelNo, "edt_Sms_TelNo", K::Text, nullptr, nullptr, "", nullptr, 0, kNoItems, 0},
    {F::mmo_Sms_Msg, "mmo_Sms_Msg", K::Memo, nullptr, nullptr, "", nullptr, 0, kNoItems, 0},
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

const FieldRow& RowOf(Field field) {
    return kRows[static_cast<std::size_t>(field)];
}

}  // namespace dtu
