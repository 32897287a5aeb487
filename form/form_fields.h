#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "protocol/commands.h"

namespace dtu {

// Every value of the main window's form, by its meaning.
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

// When write all sends a field.
enum class SentWhen : std::uint8_t {
    Always,           // the tail
    DataMode,         // data transmission, either view
    DataFullView,     // data transmission, full view
    DataFullFamily2,  // data transmission, full view, firmware with cloud and cache
    CloudOn,          // as DataFullFamily2, with the cloud ticked
    HttpMode,
    HttpFamily2,
    SmsMode,
};

// What a value must be for its line to carry it as meant. No rule lets a
// control byte (CR, LF and NUL among them) through.
enum class ValueRule : std::uint8_t {
    Choice,        // an item of its list, or a tick
    Number,        // 1 to 9 digits
    SpacedNumber,  // 1 to 9 digits once the blanks are gone (write all removes them)
    Port,          // 0 to 65535, or nothing
    Phone,         // digits with an optional leading "+", 1 to 20 of them
    QuotedText,    // text without the double quote: it goes out between quotes
    Text,          // any text on one line
    Apn,           // three quoted texts separated by commas, none holding a quote
    HexPacket,     // hexadecimal digits in pairs, as a packet goes out
};
inline constexpr int kValueRuleCount = 9;

// How a written value and a reported one are compared.
enum class Compare : std::uint8_t {
    Text,    // blanks ignored: replies come without them
    Number,  // as numbers when both are, blanks ignored; else as texts
    Item,
    Tick,
    Packet,  // as the hexadecimal text that went out, ignoring letter case
    Apn,     // the three items without their quotes
};

// How a value shows in JSON.
enum class JsonType : std::uint8_t {
    Number,  // digits as a number; anything else as a text, nothing as null
    Text,
    Bool,
    Index,       // the item index as a number
    ItemText,    // the item's text ("TCP", "NONE", "GET")
    ItemNumber,  // the item's text as a number (115200, 8, 1)
};

// One field: the label that names it, how the settings file keeps it, its
// starting value (the file's default), what a factory reset leaves in it and
// how much may be typed into it; for a value the device holds, the line write
// all sends it in and the reply that reports it, when it is sent and by which
// rules it is checked and compared. Values are GBK texts; an item or a tick is
// written "0", "1".
struct FieldRow {
    Field field;
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
    // The reply that reports the device's value, a ReplyKey ("NAME,2" for socket 2):
    // nullptr for a field the device does not hold, empty for one it never
    // reports. The columns below hold for device values only.
    const char* reply = nullptr;
    TCmd command = {};      // the set line that carries it
    std::uint8_t slot = 0;  // its argument in that line and in the reply
    SentWhen when = SentWhen::Always;
    ValueRule rule = ValueRule::Choice;
    Compare compare = Compare::Item;
    JsonType json = JsonType::Text;
    // What the compact view writes in its place when the compact view hides it.
    const char* compactValue = nullptr;
};

// The rows in the order the settings file is written.
std::span<const FieldRow> FormFields();
const FieldRow& RowOf(Field field);
int ItemCount(const FieldRow& row);
// Whether the device holds the row's value.
bool IsDeviceValue(const FieldRow& row);

// When write all sends a line: on the data page in either view (and with
// firmware of family 2, or with the cloud ticked as written), in the HTTP
// client or SMS mode (and with firmware of family 2), or always (the tail).
enum class LineWhen : std::uint8_t {
    DataPage,
    DataPageFamily2,
    CloudWritten,
    HttpMode,
    HttpFamily2,
    SmsMode,
    Always
};

// How a reply carries a line's values: the whole reply as its one value, the
// line's arguments as a comma list of exactly their number, or a list whose
// first item is the value.
enum class ReplyShape : std::uint8_t { Whole, Items, FirstItem };

// A line with a shape of its own, read and written by a named helper.
enum class LineUse : std::uint8_t {
    Plain,
    Socket1,        // its reply goes to the socket-1 store the data and HTTP pages share
    PortFormat,     // data bits, stop bits and parity as the device's two codes
    Apn,            // three quoted items, and the APN choice they stand for
    WorkMode,       // the reply moves socket 1's values to the mode's page
    KeptWhenEmpty,  // not sent when empty: the device keeps its own
};

// One set line of write all, in the order write all sends them. Its fields are
// the device rows of its command, reply and work mode; `format` places their
// arguments: "{n}" is the value in slot n, "{0}" the number of the line's
// reply when no field takes slot 0; a tick goes out as `tickOn` or `tickOff`.
// The port format has no format: its helper writes the device's codes.
struct DeviceLine {
    TCmd command;
    const char* reply;  // the ReplyKey of its values; nullptr: a line of constants
    LineWhen when;
    const char* format;
    const char* compactFormat = nullptr;  // nullptr: as `format`
    ReplyShape shape = ReplyShape::Whole;
    LineUse use = LineUse::Plain;
    const char* tickOn = "1";
    const char* tickOff = "0";
};

std::span<const DeviceLine> DeviceLines();

// Whether `row` is a field of `line`: of its command and reply, and of the
// HTTP client mode when the line is.
bool IsFieldOf(const FieldRow& row, const DeviceLine& line);

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
