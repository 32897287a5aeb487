#pragma once

#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "form/form_model.h"
#include "protocol/commands.h"

namespace dtu {

// The device's work-mode numbers the form treats apart.
inline constexpr int kDataTransmissionMode = 0;
inline constexpr int kHttpdClientMode = 3;
inline constexpr int kSmsTransmissionMode = 4;

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
};
inline constexpr int kValueRuleCount = 8;

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

// One value the device holds: the form field that shows it, the line write all
// sends it in, the reply that reports it (a ReplyKey: "CIPSTART,2"), when it is
// sent and by which rules it is checked and compared. `compactValue` is what the
// compact view writes in its place when the compact view hides it.
struct DeviceFieldRow {
    Field field;
    TCmd command;
    const char* reply;
    SentWhen when;
    ValueRule rule;
    Compare compare;
    JsonType json;
    const char* compactValue = nullptr;
};

// Every device value, in the order write all sends them.
std::span<const DeviceFieldRow> DeviceFields();
const DeviceFieldRow* DeviceRowOf(Field field);

// How a field of the form shows in JSON, device value or not.
JsonType JsonTypeOf(Field field);

// Whether write all sends a row for `form`'s work mode and view. `familyTwo`:
// firmware that takes the cloud, cache and HTTP lines.
bool IsSent(const DeviceFieldRow& row, const FormModel& form, bool familyTwo);

// Whether `value` keeps `rule` (control bytes break every rule).
bool Keeps(ValueRule rule, std::string_view value);

// A value write all would send otherwise than meant, or that would break its line.
struct ValueProblem {
    Field field;
    ValueRule rule;
    bool operator==(const ValueProblem&) const = default;
};
// Every field write all sends for the form's mode and view (on either firmware
// family) whose value breaks its rule, in the order of the form.
std::vector<ValueProblem> CheckBeforeWrite(const FormModel& form);

// The SMS action's number (blanks removed) and message (CR LF pairs removed)
// as they would go out, or the fields that would break the line.
std::vector<ValueProblem> CheckSms(const FormModel& form);

// The value as write all sends it and a mismatch shows it (GBK).
std::string SentValue(const DeviceFieldRow& row, const FormModel& form);
bool SameValue(Compare how, const std::string& written, const std::string& read);

// For the answer to the query `sent` that gave the values `taken` (by
// ReplyKey): one line for each value the device reports in that answer and
// did not, named as write all sends it ("AT+CIPSCONT=1\r\n" for socket 1,
// "AT+CIPCFG?\r\n" for the times), in the order of the map.
std::vector<std::string> LinesNotReported(const std::string& sent,
                                          const std::set<std::string>& taken);

// The fields whose values a line of a read names: every field the answer to a
// query reports ("AT+CIPSCONT?\r\n": the whole data page), or the fields a
// line of LinesNotReported stands for.
std::vector<Field> FieldsNamedBy(std::string_view line);

// A field the compact view hides whose device value the write will change.
struct HiddenChange {
    Field field;
    std::string device;   // as the last read found it
    std::string written;  // what the compact view writes
    bool operator==(const HiddenChange&) const = default;
};
// For a write all of `form` in the compact view: the hidden fields that
// `lastRead` (a read all that took `reported`) holds otherwise. Nothing for
// the full view or another work mode. CompareWithDevice (field_compare.h)
// filtered to what the view hides.
std::vector<HiddenChange> HiddenChanges(const FormModel& form, const FormModel& lastRead,
                                        const std::set<std::string>& reported, bool familyTwo);

}  // namespace dtu
