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

// A field the device holds: a row of the form's table.
using DeviceFieldRow = FieldRow;

// The device rows in write order: a row of the table for each pointer kept.
class DeviceRowList {
public:
    class Iterator {
    public:
        explicit Iterator(const FieldRow* const* at) : at_(at) {}
        const FieldRow& operator*() const { return **at_; }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        bool operator==(const Iterator&) const = default;

    private:
        const FieldRow* const* at_;
    };

    explicit DeviceRowList(std::span<const FieldRow* const> rows) : rows_(rows) {}
    Iterator begin() const { return Iterator(rows_.data()); }
    Iterator end() const { return Iterator(rows_.data() + rows_.size()); }
    std::size_t size() const { return rows_.size(); }

private:
    std::span<const FieldRow* const> rows_;
};

// Every device value, in the order write all sends them.
DeviceRowList DeviceFields();
const DeviceFieldRow* DeviceRowOf(Field field);

// The box that says whether a packet's text is already hexadecimal.
Field HexBoxOf(Field packet);

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
// did not, named by the set line that carries it: its command with the
// socket's or packet's number ("AT+NAME=1\r\n"), else its query
// ("AT+NAME?\r\n"), in the order of the map.
std::vector<std::string> LinesNotReported(const std::string& sent,
                                          const std::set<std::string>& taken);

// The fields whose values a line of a read names: every field the answer to a
// query reports (the sockets query's: the whole data page), or the fields a
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
