#include "form/reply_apply.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "form/device_map.h"
#include "lang/same_text.h"
#include "protocol/commands.h"
#include "protocol/reply_names.h"
#include "protocol/text_helpers.h"
#include "protocol/write_values.h"

namespace dtu {

namespace {

constexpr std::size_t kIcfItems = 2;
constexpr std::size_t kApnItems = 3;
constexpr std::size_t kSocketItems = 5;

// The APN box's item for an APN name the device reports.
int ApnItem(const std::string& apn) {
    if (apn == "CMNET" || apn == "cmnet") {
        return 0;
    }
    if (apn == "UNINET" || apn == "uninet") {
        return 1;
    }
    return kApnOtherChoice;
}

// An item index from a reply number; numbers outside an int select nothing.
int ItemFrom(std::int64_t number) {
    return number >= 0 && number <= INT32_MAX ? static_cast<int>(number) : -1;
}

// The number of arguments a line's format places.
std::size_t ReplyArgumentCount(const DeviceLine& line) {
    const std::string_view format = line.format == nullptr ? "" : line.format;
    return static_cast<std::size_t>(std::count(format.begin(), format.end(), ',')) + 1;
}

bool ApplyIcf(FormModel& form, const std::vector<std::string>& items) {
    if (items.size() != kIcfItems) {
        return false;
    }
    const auto format = IcfFormatItemsOf(items[0]);
    const auto parity = IcfParityItemOf(items[1]);
    if (format) {
        form.SetItem(Field::DataBits, format->dataBitsItem);
        form.SetItem(Field::StopBits, format->stopBitsItem);
    }
    if (parity) {
        form.SetItem(Field::Parity, *parity);
    }
    return format && parity;
}

bool ApplyApn(FormModel& form, const std::vector<std::string>& items) {
    if (items.size() != kApnItems) {
        return false;
    }
    form.SetText(Field::Apn,
                 QuoteText(items[0]) + "," + QuoteText(items[1]) + "," + QuoteText(items[2]));
    form.SetItem(Field::ApnChoice, ApnItem(items[0]));
    return true;
}

// Socket 1's reply is kept apart: the work mode decides which page shows it.
bool ApplySocket1(FormModel& form, const std::vector<std::string>& items) {
    if (items.size() != kSocketItems) {
        return false;
    }
    form.socket1 = {UpperText(items[1]), items[2], items[3], items[4] == "1"};
    return true;
}

bool ApplyWorkMode(FormModel& form, const std::string& item) {
    const std::optional<std::int64_t> mode = ParseDecimal(item);
    if (!mode) {
        return false;
    }
    form.SetItem(Field::WorkMode, ItemFrom(*mode));
    const FormModel::Socket1Store& socket1 = form.socket1;
    if (*mode == kDataTransmissionMode) {
        form.SetItemByText(Field::Socket1Protocol, socket1.protocol);
        form.SetText(Field::Socket1Host, socket1.host);
        form.SetText(Field::Socket1Port, socket1.port);
        form.SetTick(Field::Socket1Enable, socket1.enabled);
    } else if (*mode == kHttpdClientMode) {
        form.SetText(Field::HttpHost, socket1.host);
        form.SetText(Field::HttpPort, socket1.port);
    }
    return true;
}

// Whether `item` reads as a value of `row`: a list without texts of its own
// takes a number.
bool ReplyReadable(const FieldRow& row, const std::string& item) {
    return row.kind != FieldKind::Item || !row.items.empty() || ParseDecimal(item).has_value();
}

void TakeReplyItem(FormModel& form, const FieldRow& row, const DeviceLine& line,
                   const std::string& item) {
    switch (row.kind) {
        case FieldKind::Tick:
            form.SetTick(row.field, item == line.tickOn);
            return;
        case FieldKind::Item:
            if (row.items.empty()) {
                form.SetItem(row.field, ItemFrom(*ParseDecimal(item)));
            } else {
                // A text outside the list leaves the box blank, as the device said.
                form.SetItemByText(row.field, item);
            }
            return;
        case FieldKind::Text:
        case FieldKind::Memo:
            if (row.compare == Compare::Packet) {
                // The box converts the old text first; the reply's text then replaces it.
                form.SetTick(HexBoxOf(row.field), true);
            }
            form.SetText(row.field, item);
            return;
    }
}

// The reply's values by argument, or nothing when its shape is not the line's.
std::optional<std::vector<std::string>> ReplyItemsOf(const DeviceLine& line,
                                                     const std::string& value) {
    if (line.shape == ReplyShape::Whole) {
        return std::vector<std::string>{value};
    }
    std::vector<std::string> items = CommaTextToList(value);
    const bool fits = line.shape == ReplyShape::FirstItem
                          ? !items.empty()
                          : items.size() == ReplyArgumentCount(line);
    return fits ? std::optional(std::move(items)) : std::nullopt;
}

bool ApplyReplyLine(FormModel& form, const DeviceLine& line, const std::string& value) {
    switch (line.use) {
        case LineUse::PortFormat:
            return ApplyIcf(form, CommaTextToList(value));
        case LineUse::Apn:
            return ApplyApn(form, CommaTextToList(value));
        case LineUse::Socket1:
            return ApplySocket1(form, CommaTextToList(value));
        case LineUse::WorkMode:
        case LineUse::Plain:
        case LineUse::KeptWhenEmpty:
            break;
    }
    const std::optional<std::vector<std::string>> items = ReplyItemsOf(line, value);
    if (!items) {
        return false;
    }
    if (line.use == LineUse::WorkMode) {
        return ApplyWorkMode(form, items->front());
    }
    std::vector<const FieldRow*> fields;
    for (const FieldRow& row : DeviceFields()) {
        if (IsFieldOf(row, line)) {
            if (row.slot >= items->size() || !ReplyReadable(row, (*items)[row.slot])) {
                return false;
            }
            fields.push_back(&row);
        }
    }
    for (const FieldRow* row : fields) {
        TakeReplyItem(form, *row, line, (*items)[row->slot]);
    }
    return true;
}

}  // namespace

bool ApplyReply(FormModel& form, const ReplyValue& reply) {
    const std::optional<TCmd> cmd = CmdByName(reply.name);
    if (!cmd) {
        return false;
    }
    if (*cmd == kVersionCmd) {
        return true;
    }
    const std::string key = ReplyKey(reply);
    for (const DeviceLine& line : DeviceLines()) {
        // A value the device never reports is still taken when it does.
        const bool named = line.reply != nullptr &&
                           (*line.reply == '\0' ? line.command == *cmd : key == line.reply);
        if (named) {
            return ApplyReplyLine(form, line, reply.value);
        }
    }
    return false;
}

}  // namespace dtu
