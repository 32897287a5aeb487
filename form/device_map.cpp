#include "form/device_map.h"

#include <algorithm>

#include "lang/same_text.h"
#include "protocol/order_list.h"
#include "protocol/reply_names.h"
#include "protocol/text_helpers.h"
#include "protocol/write_values.h"

namespace dtu {

namespace {

// The device rows in the order write all sends them: line by line, and in
// a line by argument.
std::vector<const FieldRow*> RowsInWriteOrder() {
    std::vector<const FieldRow*> rows;
    for (const DeviceLine& line : DeviceLines()) {
        const std::size_t first = rows.size();
        for (const FieldRow& row : FormFields()) {
            if (IsFieldOf(row, line)) {
                rows.push_back(&row);
            }
        }
        std::stable_sort(rows.begin() + static_cast<std::ptrdiff_t>(first), rows.end(),
                         [](const FieldRow* a, const FieldRow* b) { return a->slot < b->slot; });
    }
    return rows;
}

constexpr std::size_t kMaxNumberDigits = 9;
constexpr std::size_t kMaxPhoneDigits = 20;
constexpr int kMaxPort = 65535;
constexpr std::size_t kApnItemCount = 3;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool AllDigits(std::string_view text, std::size_t most) {
    return !text.empty() && text.size() <= most && std::all_of(text.begin(), text.end(), IsDigit);
}

bool HasControlByte(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

// One to three texts, each between its own quotes, separated by commas.
bool IsApn(std::string_view value) {
    std::size_t items = 0;
    std::size_t at = 0;
    while (true) {
        at = value.find_first_not_of(' ', at);
        if (at == std::string_view::npos || value[at] != '"') {
            return false;
        }
        const std::size_t close = value.find('"', at + 1);
        if (close == std::string_view::npos || ++items > kApnItemCount) {
            return false;
        }
        at = value.find_first_not_of(' ', close + 1);
        if (at == std::string_view::npos) {
            return true;
        }
        if (value[at++] != ',') {
            return false;
        }
    }
}

bool ChoiceMade(const FormModel& form, Field field) {
    const FieldRow& row = RowOf(field);
    if (row.kind == FieldKind::Tick) {
        return true;
    }
    const int item = form.Item(field);
    return item >= 0 && item < ItemCount(row);
}

std::vector<std::string> ApnItems(const std::string& value) {
    std::vector<std::string> items = CommaTextToList(value);
    for (std::string& item : items) {
        item = DelQuotes(item);
    }
    if (items.size() < kApnItemCount) {
        items.resize(kApnItemCount);
    }
    return items;
}

bool SentInView(const DeviceFieldRow& row, const FormModel& form, int view, bool familyTwo) {
    const int mode = form.Item(Field::WorkMode);
    const bool dataMode =
        mode == kDataTransmissionMode && (view == kFullView || view == kCompactView);
    const bool fullData = mode == kDataTransmissionMode && view == kFullView;
    switch (row.when) {
        case SentWhen::Always:
            return true;
        case SentWhen::DataMode:
            return dataMode;
        case SentWhen::DataFullView:
            return fullData;
        case SentWhen::DataFullFamily2:
            return fullData && familyTwo;
        case SentWhen::CloudOn:
            return fullData && familyTwo && form.Tick(Field::CloudEnable);
        case SentWhen::HttpMode:
            return mode == kHttpdClientMode;
        case SentWhen::HttpFamily2:
            return mode == kHttpdClientMode && familyTwo;
        case SentWhen::SmsMode:
            return mode == kSmsTransmissionMode;
    }
    return false;
}

}  // namespace

Field HexBoxOf(Field packet) {
    return packet == Field::RegistrationPacket ? Field::RegistrationPacketHex
                                               : Field::HeartbeatPacketHex;
}

DeviceRowList DeviceFields() {
    static const std::vector<const FieldRow*> rows = RowsInWriteOrder();
    return DeviceRowList(rows);
}

const DeviceFieldRow* DeviceRowOf(Field field) {
    const FieldRow& row = RowOf(field);
    return IsDeviceValue(row) ? &row : nullptr;
}

JsonType JsonTypeOf(Field field) {
    if (const DeviceFieldRow* row = DeviceRowOf(field)) {
        return row->json;
    }
    const FieldRow& row = RowOf(field);
    switch (row.kind) {
        case FieldKind::Tick:
            return JsonType::Bool;
        case FieldKind::Item:
            return row.items.empty() ? JsonType::Index : JsonType::ItemText;
        case FieldKind::Text:
        case FieldKind::Memo:
            break;
    }
    return field == Field::D2dId ? JsonType::Number : JsonType::Text;
}

bool IsSent(const DeviceFieldRow& row, const FormModel& form, bool familyTwo) {
    return SentInView(row, form, form.View(), familyTwo);
}

bool Keeps(ValueRule rule, std::string_view value) {
    if (HasControlByte(value)) {
        return false;
    }
    switch (rule) {
        case ValueRule::Choice:
        case ValueRule::Text:
            return true;
        case ValueRule::Number:
            return AllDigits(value, kMaxNumberDigits);
        case ValueRule::SpacedNumber:
            return AllDigits(DelSpaces(value), kMaxNumberDigits);
        case ValueRule::Port:
            return value.empty() || (AllDigits(value, kMaxNumberDigits) &&
                                     std::stoll(std::string(value)) <= kMaxPort);
        case ValueRule::Phone:
            return AllDigits(value.starts_with('+') ? value.substr(1) : value, kMaxPhoneDigits);
        case ValueRule::QuotedText:
            return value.find('"') == std::string_view::npos;
        case ValueRule::Apn:
            return IsApn(value);
        case ValueRule::HexPacket:
            return value.size() % 2 == 0 && std::all_of(value.begin(), value.end(), IsHexDigit);
    }
    return false;
}

std::vector<ValueProblem> CheckBeforeWrite(const FormModel& form) {
    std::vector<ValueProblem> problems;
    for (const FieldRow& field : FormFields()) {
        const DeviceFieldRow* row = DeviceRowOf(field.field);
        if (row == nullptr || !IsSent(*row, form, true)) {
            continue;
        }
        const bool kept =
            row->rule == ValueRule::Choice
                ? ChoiceMade(form, row->field)
                : !HasControlByte(form.Text(row->field)) && Keeps(row->rule, SentValue(*row, form));
        if (!kept) {
            problems.push_back({row->field, row->rule});
        }
    }
    return problems;
}

std::vector<ValueProblem> CheckSms(const FormModel& form) {
    std::vector<ValueProblem> problems;
    const std::string number = DelSpaces(form.Text(Field::SmsPhone));
    if (!number.empty() && !Keeps(ValueRule::Phone, number)) {
        problems.push_back({Field::SmsPhone, ValueRule::Phone});
    }
    if (!Keeps(ValueRule::Text, DelCrLf(form.Text(Field::SmsMessage)))) {
        problems.push_back({Field::SmsMessage, ValueRule::Text});
    }
    return problems;
}

std::string SentValue(const DeviceFieldRow& row, const FormModel& form) {
    switch (row.compare) {
        case Compare::Item: {
            const std::string text = form.ItemText(row.field);
            return text.empty() ? std::to_string(form.Item(row.field)) : text;
        }
        case Compare::Tick:
            return form.Tick(row.field) ? "1" : "0";
        case Compare::Packet:
            return PacketHexText(form.Text(row.field), form.Tick(HexBoxOf(row.field)));
        case Compare::Text:
        case Compare::Number:
        case Compare::Apn:
            break;
    }
    return form.Text(row.field);
}

bool SameValue(Compare how, const std::string& written, const std::string& read) {
    switch (how) {
        case Compare::Number: {
            const std::optional<std::int64_t> a = ParseDecimal(DelSpaces(written));
            const std::optional<std::int64_t> b = ParseDecimal(DelSpaces(read));
            return a && b ? *a == *b : written == read;
        }
        case Compare::Packet:
            return SameText(written, read);
        case Compare::Text:  // the reply parser drops every blank
            return DelSpaces(written) == DelSpaces(read);
        case Compare::Apn:
            return ApnItems(written) == ApnItems(read);
        case Compare::Item:
        case Compare::Tick:
            break;
    }
    return written == read;
}

std::vector<std::string> LinesNotReported(const std::string& sent,
                                          const std::set<std::string>& taken) {
    const std::string command = LineCommandName(sent);
    std::vector<std::string> lines;
    std::set<std::string_view> missing;
    for (const DeviceFieldRow& row : DeviceFields()) {
        const std::string_view reply = row.reply;
        const std::size_t comma = reply.find(',');
        if (reply.empty() || !AnswersCommand(command, reply.substr(0, comma)) ||
            taken.contains(row.reply) || !missing.insert(reply).second) {
            continue;
        }
        const std::string item = comma == std::string_view::npos
                                     ? std::string("?")
                                     : "=" + std::string(reply.substr(comma + 1));
        lines.push_back("AT+" + std::string(CmdName(row.command)) + item + "\r\n");
    }
    return lines;
}

std::vector<Field> FieldsNamedBy(std::string_view line) {
    const std::string command = LineCommandName(line);
    const std::size_t equals = line.find('=');
    const bool query = equals == std::string_view::npos;
    const std::string_view item =
        query ? std::string_view()
              : line.substr(equals + 1, line.find_first_of(",\r\n", equals) - equals - 1);
    std::vector<Field> fields;
    for (const DeviceFieldRow& row : DeviceFields()) {
        const std::string_view reply = row.reply;
        const std::size_t comma = reply.find(',');
        const bool named = query ? !reply.empty() && AnswersCommand(command, reply.substr(0, comma))
                                 : command == CmdName(row.command) &&
                                       comma != std::string_view::npos &&
                                       reply.substr(comma + 1) == item;
        if (named) {
            fields.push_back(row.field);
        }
    }
    return fields;
}

}  // namespace dtu
