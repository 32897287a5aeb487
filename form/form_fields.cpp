#include "form/form_fields.h"

#include <array>

namespace dtu {

namespace {

using K = FieldKind;
using F = Field;
using L = LoadStep;
using T = TCmd;
using W = SentWhen;
using R = ValueRule;
using C = Compare;
using J = JsonType;
constexpr const char* kHost = kDefaultServerHost;
constexpr std::span<const char* const> kNoItems;
constexpr const char* kCmnetApn = kApnChoiceValues[0];

// Two lists a factory reset puts on their first item, none with items the device sees.
constexpr int kTwoItems = 2;

constexpr FieldRow kRows[] = {
    {F::ApnChoice, "lang_Lbl_APN", K::Item, "COMMON", "APN Index", "0", "0", 0, kNoItems,
     kApnChoiceCount},
    {F::Apn, "lang_Lbl_APN", K::Text, "COMMON", "APN Str", kCmnetApn, "CMNET", 0, kNoItems, 0,
     L::InOrder, "CSTT", T::CSTT, 0, W::Always, R::Apn, C::Apn, J::Text},
    {F::BaudRate, "lang_Lbl_DTUBaudRate", K::Item, "COMMON", "BaudRate", "10", "10", 0,
     kBaudRateItems, 0, L::InOrder, "CIPR", T::CIPR, 0, W::Always, R::Choice, C::Item,
     J::ItemNumber},
    {F::Parity, "lang_Lbl_ComParity", K::Item, "COMMON", "Parity", "0", "0", 0, kParityItems, 0,
     L::InOrder, "ICF", T::ICF, 2, W::Always, R::Choice, C::Item, J::ItemText},
    {F::DataBits, "lang_Lbl_ComData", K::Item, "COMMON", "Byte", "1", "1", 0, kDataBitsItems, 0,
     L::InOrder, "ICF", T::ICF, 0, W::Always, R::Choice, C::Item, J::ItemNumber},
    {F::StopBits, "lang_Lbl_ComStop", K::Item, "COMMON", "Stop", "0", "0", 0, kStopBitsItems, 0,
     L::InOrder, "ICF", T::ICF, 1, W::Always, R::Choice, C::Item, J::ItemNumber},
    {F::Socket1Enable, "lang_Lbl_Enable", K::Tick, "DTM", "Enable1", "1", "1", 0, kNoItems, 0,
     L::InOrder, "CIPSTART,1", T::CIPSCONT, 4, W::DataFullView, R::Choice, C::Tick, J::Bool, "1"},
    {F::Socket1Host, "lang_Lbl_IP", K::Text, "DTM", "IP1", kHost, "", 0, kNoItems, 0, L::InOrder,
     "CIPSTART,1", T::CIPSCONT, 2, W::DataMode, R::QuotedText, C::Text, J::Text},
    {F::Socket1Port, "lang_Lbl_Port", K::Text, "DTM", "Port1", "2317", "", 5, kNoItems, 0,
     L::InOrder, "CIPSTART,1", T::CIPSCONT, 3, W::DataMode, R::Port, C::Number, J::Number},
    {F::Socket1Protocol, "lang_Lbl_NetProtocol", K::Item, "DTM", "Protocol1", "0", "0", 0,
     kProtocolItems, 0, L::InOrder, "CIPSTART,1", T::CIPSCONT, 1, W::DataMode, R::Choice, C::Item,
     J::ItemText},
    {F::Socket2Enable, "lang_Lbl_Enable", K::Tick, "DTM", "Enable2", "0", "0", 0, kNoItems, 0,
     L::InOrder, "CIPSTART,2", T::CIPSCONT, 4, W::DataFullView, R::Choice, C::Tick, J::Bool, "0"},
    {F::Socket2Host, "lang_Lbl_IP", K::Text, "DTM", "IP2", kHost, "", 0, kNoItems, 0, L::InOrder,
     "CIPSTART,2", T::CIPSCONT, 2, W::DataFullView, R::QuotedText, C::Text, J::Text, kHost},
    {F::Socket2Port, "lang_Lbl_Port", K::Text, "DTM", "Port2", "2317", "", 5, kNoItems, 0,
     L::InOrder, "CIPSTART,2", T::CIPSCONT, 3, W::DataFullView, R::Port, C::Number, J::Number,
     "2317"},
    {F::Socket2Protocol, "lang_Lbl_NetProtocol", K::Item, "DTM", "Protocol2", "0", "0", 0,
     kProtocolItems, 0, L::InOrder, "CIPSTART,2", T::CIPSCONT, 1, W::DataFullView, R::Choice,
     C::Item, J::ItemText, "TCP"},
    {F::Socket3Enable, "lang_Lbl_Enable", K::Tick, "DTM", "Enable3", "0", "0", 0, kNoItems, 0,
     L::InOrder, "CIPSTART,3", T::CIPSCONT, 4, W::DataFullView, R::Choice, C::Tick, J::Bool, "0"},
    {F::Socket3Host, "lang_Lbl_IP", K::Text, "DTM", "IP3", kHost, "", 0, kNoItems, 0, L::InOrder,
     "CIPSTART,3", T::CIPSCONT, 2, W::DataFullView, R::QuotedText, C::Text, J::Text, kHost},
    {F::Socket3Port, "lang_Lbl_Port", K::Text, "DTM", "Port3", "2317", "", 5, kNoItems, 0,
     L::InOrder, "CIPSTART,3", T::CIPSCONT, 3, W::DataFullView, R::Port, C::Number, J::Number,
     "2317"},
    {F::Socket3Protocol, "lang_Lbl_NetProtocol", K::Item, "DTM", "Protocol3", "0", "0", 0,
     kProtocolItems, 0, L::InOrder, "CIPSTART,3", T::CIPSCONT, 1, W::DataFullView, R::Choice,
     C::Item, J::ItemText, "TCP"},
    {F::Socket4Enable, "lang_Lbl_Enable", K::Tick, "DTM", "Enable4", "0", "0", 0, kNoItems, 0,
     L::InOrder, "CIPSTART,4", T::CIPSCONT, 4, W::DataFullView, R::Choice, C::Tick, J::Bool, "0"},
    {F::Socket4Host, "lang_Lbl_IP", K::Text, "DTM", "IP4", kHost, "", 0, kNoItems, 0, L::InOrder,
     "CIPSTART,4", T::CIPSCONT, 2, W::DataFullView, R::QuotedText, C::Text, J::Text, kHost},
    {F::Socket4Port, "lang_Lbl_Port", K::Text, "DTM", "Port4", "2317", "", 5, kNoItems, 0,
     L::InOrder, "CIPSTART,4", T::CIPSCONT, 3, W::DataFullView, R::Port, C::Number, J::Number,
     "2317"},
    {F::Socket4Protocol, "lang_Lbl_NetProtocol", K::Item, "DTM", "Protocol4", "0", "0", 0,
     kProtocolItems, 0, L::InOrder, "CIPSTART,4", T::CIPSCONT, 1, W::DataFullView, R::Choice,
     C::Item, J::ItemText, "TCP"},
    {F::HeartbeatPeriod, "lang_Lbl_HeartbeatTime", K::Text, "DTM", "HeartbeatTime", "50", "", 0,
     kNoItems, 0, L::InOrder, "CIPCFG", T::CIPCFG, 1, W::DataMode, R::Number, C::Number, J::Number},
    {F::PackingTime, "lang_Lbl_WaitTime", K::Text, "DTM", "WaitTime", "10", "", 0, kNoItems, 0,
     L::InOrder, "CIPCFG", T::CIPCFG, 3, W::DataMode, R::Number, C::Number, J::Number},
    {F::RestartTime, "lang_Lbl_RestartTime", K::Text, "DTM", "RestartTime", "1800", "", 0, kNoItems,
     0, L::InOrder, "CIPCFG", T::CIPCFG, 5, W::DataFullView, R::Number, C::Number, J::Number,
     "1800"},
    {F::HeartbeatPacket, "lang_Lbl_HeartbeatFormat", K::Text, "DTM", "HeartbeatFormat", "LOG", "",
     0, kNoItems, 0, L::AfterHexBoxes, "CIPPACK,0", T::CIPPACK, 1, W::DataMode, R::HexPacket,
     C::Packet, J::Text},
    {F::RegistrationPacket, "lang_Lbl_DevID", K::Text, "DTM", "LoginFormat", "LOGIN:1001", "", 0,
     kNoItems, 0, L::AfterHexBoxes, "CIPPACK,1", T::CIPPACK, 1, W::DataMode, R::HexPacket,
     C::Packet, J::Text},
    {F::HeartbeatPacketHex, nullptr, K::Tick, "DTM", "HeartbeatFormatHex", "0", "0", 0, kNoItems,
     0},
    {F::RegistrationPacketHex, nullptr, K::Tick, "DTM", "LoginFormatHex", "0", "0", 0, kNoItems, 0,
     L::LastHexBox},
    {F::HeartbeatTarget, "lang_Lbl_HeartbeatFormat", K::Item, "DTM", "HeartbeatTo", "0", "0", 0,
     kNoItems, kTwoItems, L::InOrder, "CIPPACK,0", T::CIPPACK, 2, W::DataFullView, R::Choice,
     C::Item, J::Index, "0"},
    {F::RegistrationMode, "lang_Lbl_DevID", K::Item, "DTM", "LoginMode", "0", "0", 0, kNoItems,
     kTwoItems, L::InOrder, "CIPPACK,1", T::CIPPACK, 2, W::DataFullView, R::Choice, C::Item,
     J::Index, "0"},
    {F::D2dId, nullptr, K::Text, "DTM", "D2D ID", "100", nullptr, 5, kNoItems, 0},
    {F::D2dEnable, nullptr, K::Tick, "DTM", "D2dEnable", "0", "0", 0, kNoItems, 0},
    {F::NetAtEnable, "lang_chk_NetAtEnable", K::Tick, "DTM", "NetAtEnable", "0", "0", 0, kNoItems,
     0, L::InOrder, "CINETAT", T::CINETAT, 0, W::DataFullView, R::Choice, C::Tick, J::Bool, "0"},
    {F::ComAtEnable, "lang_chk_ComAtEnable", K::Tick, "DTM", "ComAtEnable", "0", "0", 0, kNoItems,
     0, L::InOrder, "CICOMAT", T::CICOMAT, 0, W::DataFullView, R::Choice, C::Tick, J::Bool, "0"},
    {F::CloudEnable, "lang_chkCloudEnalbe", K::Tick, "DTM", "CloudEnable", "0", "0", 0, kNoItems, 0,
     L::InOrder, "CLOUDEN", T::CLOUDEN, 0, W::DataFullFamily2, R::Choice, C::Tick, J::Bool, "0"},
    {F::CacheEnable, "lang_chk_CachEnable", K::Tick, "DTM", "CacheEnable", "0", "0", 0, kNoItems, 0,
     L::InOrder, "CACHE", T::CACHE, 0, W::DataFullFamily2, R::Choice, C::Tick, J::Bool, "0"},
    {F::ReconnectInterval, "lang_lbledtResoc", K::Text, "DTM", "Resoc", "5", "", 20, kNoItems, 0,
     L::InOrder, "RESOC", T::RESOC, 0, W::DataFullFamily2, R::SpacedNumber, C::Number, J::Number,
     "5"},
    {F::CloudNumber, "lang_lbledtCloud", K::Text, "DTM", "CloudID", "", "", 20, kNoItems, 0,
     L::InOrder, "CLOUDID", T::CLOUDID, 0, W::CloudOn, R::Text, C::Text, J::Text},
    {F::HttpHost, "lang_Lbl_IP", K::Text, "HCM", "IP", kHost, "", 0, kNoItems, 0, L::InOrder,
     "CIPSTART,1", T::CIPSCONT, 2, W::HttpMode, R::QuotedText, C::Text, J::Text},
    {F::HttpPort, "lang_Lbl_Port", K::Text, "HCM", "Port", "2317", "", 0, kNoItems, 0, L::InOrder,
     "CIPSTART,1", T::CIPSCONT, 3, W::HttpMode, R::Port, C::Number, J::Number},
    {F::HttpMethod, "lang_lblHTPTP", K::Item, "HCM", "HTPTP", "0", nullptr, 0, kHttpMethodItems, 0,
     L::InOrder, "HTPTP", T::HTPTP, 0, W::HttpFamily2, R::Choice, C::Item, J::ItemText},
    {F::HttpUrl, "lang_lblHTPURL", K::Text, "HCM", "HTPURL", "", nullptr, 0, kNoItems, 0,
     L::InOrder, "HTPURL", T::HTPURL, 0, W::HttpFamily2, R::Text, C::Text, J::Text},
    {F::HttpHeaders, "lang_lblHTPHD", K::Memo, "HCM", "HTPHD", "", nullptr, 0, kNoItems, 0,
     L::InOrder, "HTPHD", T::HTPHD, 0, W::HttpFamily2, R::Text, C::Text, J::Text},
    {F::SmsModePhone, "lang_lbl_TelNo", K::Text, "STM", "TelNo", "10086", "", 0, kNoItems, 0,
     L::InOrder, "CIPNUM", T::CIPNUM, 0, W::SmsMode, R::Phone, C::Text, J::Text},
    {F::WorkMode, "lang_Lbl_WorkMode", K::Item, nullptr, nullptr, "0", "0", 0, kNoItems,
     kWorkModeCount, L::InOrder, "CIMOD", T::CIMOD, 0, W::Always, R::Choice, C::Item, J::Index},
    {F::CloudPassword, "lang_lbledtPswd", K::Text, nullptr, nullptr, "", "", 8, kNoItems, 0,
     L::InOrder, "", T::CLOUDPA, 0, W::CloudOn, R::Text, C::Text, J::Text},
    {F::HttpProtocol, nullptr, K::Item, nullptr, nullptr, "0", "0", 0, kProtocolItems, 0},
    {F::HttpSocketEnable, nullptr, K::Tick, nullptr, nullptr, "1", "1", 0, kNoItems, 0},
    {F::SmsPhone, "lang_lbl_TelNo", K::Text, nullptr, nullptr, "", nullptr, 0, kNoItems, 0},
    {F::SmsMessage, "lang_lbl_Sms_Msg", K::Memo, nullptr, nullptr, "", nullptr, 0, kNoItems, 0},
};

static_assert(std::size(kRows) == kFieldCount);

using LW = LineWhen;
using S = ReplyShape;
using U = LineUse;

constexpr const char* kPacketLine = "{0},\"{1}\",\"{2}\"";
// The compact view does not quote a packet's option.
constexpr const char* kCompactPacketLine = "{0},\"{1}\",{2}";
constexpr const char* kSocketLine = "{0},\"{1}\",\"{2}\", {3},{4}";
constexpr const char* kOneValue = "{0}";

constexpr DeviceLine kLines[] = {
    {T::CIPCFG, "CIPCFG", LW::DataPage, "1,{1},0,{3},0,{5}", nullptr, S::Items},
    {T::CIPPACK, "CIPPACK,0", LW::DataPage, kPacketLine, kCompactPacketLine, S::Items},
    {T::CIPPACK, "CIPPACK,1", LW::DataPage, kPacketLine, kCompactPacketLine, S::Items},
    {T::CIPSCONT, "CIPSTART,1", LW::DataPage, kSocketLine, nullptr, S::Items, U::Socket1},
    {T::CIPSCONT, "CIPSTART,2", LW::DataPage, kSocketLine, nullptr, S::Items},
    {T::CIPSCONT, "CIPSTART,3", LW::DataPage, kSocketLine, nullptr, S::Items},
    {T::CIPSCONT, "CIPSTART,4", LW::DataPage, kSocketLine, nullptr, S::Items},
    {T::CICOMAT, "CICOMAT", LW::DataPage, kOneValue, nullptr, S::FirstItem},
    {T::CINETAT, "CINETAT", LW::DataPage, kOneValue, nullptr, S::FirstItem},
    {T::CLOUDEN, "CLOUDEN", LW::DataPageFamily2, kOneValue, nullptr, S::Whole, U::Plain, "ON",
     "OFF"},
    {T::CLOUDID, "CLOUDID", LW::CloudWritten, kOneValue},
    {T::CLOUDPA, "", LW::CloudWritten, kOneValue, nullptr, S::Whole, U::KeptWhenEmpty},
    {T::CACHE, "CACHE", LW::DataPageFamily2, kOneValue},
    {T::RESOC, "RESOC", LW::DataPageFamily2, kOneValue},
    // The HTTP client mode clears the data page and keeps socket 1 for its server.
    {T::CIPCFG, nullptr, LW::HttpMode, "1,0,0,50,0,0"},
    {T::CIPPACK, nullptr, LW::HttpMode, "0,\"\",0"},
    {T::CIPPACK, nullptr, LW::HttpMode, "1,\"\",0"},
    {T::CIPSCONT, "CIPSTART,1", LW::HttpMode, "{0},\"TCP\",\"{2}\", {3},1", nullptr, S::Items,
     U::Socket1},
    {T::HTPURL, "HTPURL", LW::HttpFamily2, kOneValue},
    {T::HTPHD, "HTPHD", LW::HttpFamily2, kOneValue},
    {T::HTPTP, "HTPTP", LW::HttpFamily2, kOneValue},
    {T::CIPNUM, "CIPNUM", LW::SmsMode, kOneValue, nullptr, S::Items},
    {T::CIMOD, "CIMOD", LW::Always, "\"{0}\"", nullptr, S::FirstItem, U::WorkMode},
    {T::CSTT, "CSTT", LW::Always, kOneValue, nullptr, S::Items, U::Apn},
    {T::ICF, "ICF", LW::Always, nullptr, nullptr, S::Items, U::PortFormat},
    {T::CIPR, "CIPR", LW::Always, kOneValue},
};

// Socket 1 has a line on the data page and one in the HTTP client mode: a
// field is of the one its own mode sends.
constexpr bool ForHttpClient(SentWhen when) {
    return when == SentWhen::HttpMode || when == SentWhen::HttpFamily2;
}

constexpr bool ForHttpClient(LineWhen when) {
    return when == LineWhen::HttpMode || when == LineWhen::HttpFamily2;
}

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

bool IsDeviceValue(const FieldRow& row) {
    return row.reply != nullptr;
}

std::span<const DeviceLine> DeviceLines() {
    return kLines;
}

bool IsFieldOf(const FieldRow& row, const DeviceLine& line) {
    return IsDeviceValue(row) && line.reply != nullptr && row.command == line.command &&
           std::string_view(row.reply) == line.reply &&
           ForHttpClient(row.when) == ForHttpClient(line.when);
}

const FieldRow& RowOf(Field field) {
    return kRows[static_cast<std::size_t>(field)];
}

}  // namespace dtu
