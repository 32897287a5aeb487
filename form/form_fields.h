#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace dtu {

// Every value of the main window's form, named after the control that shows it.
enum class Field : std::uint8_t {
    ApnChoice,
    Apn,
    BaudRate,
    Parity,
    DataBits,
    StopBits,
    Socket1Enable,
    Socket1Host,
    Socket1Port,
    Socket1Protocol,
    Socket2Enable,
    Socket2Host,
    Socket2Port,
    Socket2Protocol,
    Socket3Enable,
    Socket3Host,
    Socket3Port,
    Socket3Protocol,
    Socket4Enable,
    Socket4Host,
    Socket4Port,
    Socket4Protocol,
    HeartbeatPeriod,
    PackingTime,
    RestartTime,
    HeartbeatPacket,
    RegistrationPacket,
    HeartbeatPacketHex,
    RegistrationPacketHex,
    HeartbeatTarget,
    RegistrationMode,
    D2dId,
    D2dEnable,
    NetAtEnable,
    ComAtEnable,
    CloudEnable,
    CacheEnable,
    ReconnectInterval,
    CloudNumber,
    HttpHost,
    HttpPort,
    HttpMethod,
    HttpUrl,
    HttpHeaders,
    SmsModePhone,
    // Not kept in the settings file.
    WorkMode,
    CloudPassword,
    HttpProtocol,
    HttpSocketEnable,
    SmsPhone,
    SmsMessage,
};

inline constexpr std::size_t kFieldCount = static_cast<std::size_t>(Field::SmsMessage) + 1;

// How a value is kept: a one-line text, a text of several lines (CR LF), an
// item index of a list, or a tick.
enum class FieldKind { Text, Memo, Item, Tick };

// The settings file loads the hex boxes before the packet texts: ticking a box
// converts the text it holds, and the stored text then replaces the converted one.
enum class LoadStep { InOrder, AfterHexBoxes, LastHexBox };

// One field: its control, the label that names it, how the settings file
// keeps it, its starting value (the file's default), what a factory reset
// leaves in it and how much may be typed into it. Values are GBK texts; an
// item or a tick is written "0", "1".
struct FieldRow {
    Field field;
    const char* control;
    // The language key of the label that names it, nullptr for none; a list
    // beside a packet is named by its row's label.
    const char* label;
    FieldKind kind;
    const char* section;  // nullptr: not in the settings file
    const char* key;
    const char* defaultValue;
    const char* factoryValue;  // nullptr: a factory reset leaves it
    int typingLimit;           // characters a user may type; 0: no limit
    // Item texts when the device sees them, else empty with `itemCount` items
    // whose texts come from the language table.
    std::span<const char* const> items;
    int itemCount;
    LoadStep step = LoadStep::InOrder;
};

// The rows in the order the settings file is written.
std::span<const FieldRow> FormFields();
const FieldRow& RowOf(Field field);
int ItemCount(const FieldRow& row);

// Item texts of the combos whose texts go to the device.
inline constexpr const char* kBaudRateItems[] = {
    "300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "38400", "57600", "115200"};
inline constexpr const char* kParityItems[] = {"NONE", "ODD", "EVEN"};
inline constexpr const char* kDataBitsItems[] = {"7", "8"};
inline constexpr const char* kStopBitsItems[] = {"1", "2"};
inline constexpr const char* kProtocolItems[] = {"TCP", "UDP"};
inline constexpr const char* kHttpMethodItems[] = {"GET", "POST"};

// The host name the socket host fields show by default; compact-view write all
// sends it for sockets 2 to 4.
inline constexpr const char* kDefaultServerHost = "dtu.example.net";

// A socket's fields; the data page's sockets 1 to 4 in order.
struct SocketFields {
    Field protocol, host, port, enabled;
};
inline constexpr SocketFields kSockets[] = {
    {Field::Socket1Protocol, Field::Socket1Host, Field::Socket1Port, Field::Socket1Enable},
    {Field::Socket2Protocol, Field::Socket2Host, Field::Socket2Port, Field::Socket2Enable},
    {Field::Socket3Protocol, Field::Socket3Host, Field::Socket3Port, Field::Socket3Enable},
    {Field::Socket4Protocol, Field::Socket4Host, Field::Socket4Port, Field::Socket4Enable},
};

// The number (1 to 4) of the socket whose field `field` is; 0 for none.
int SocketNumberOf(Field field);

inline constexpr int kWorkModeCount = 5;
inline constexpr int kApnChoiceCount = 3;
inline constexpr int kApnOtherChoice = 2;
// The APN, user and password the first two APN choices stand for.
inline constexpr const char* kApnChoiceValues[] = {"\"CMNET\",\"\",\"\"", "\"UNINET\",\"\",\"\""};

}  // namespace dtu
