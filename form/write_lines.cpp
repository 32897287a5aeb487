#include "form/write_lines.h"

#include <array>
#include <optional>
#include <string>

#include "form/device_map.h"
#include "protocol/text_helpers.h"
#include "protocol/write_values.h"

namespace dtu {

namespace {

constexpr std::size_t kMostSlots = 10;

bool IsDataPageView(int view) {
    return view == kFullView || view == kCompactView;
}

bool IsFamilyLine(const DeviceLine& line) {
    return line.when == LineWhen::DataPageFamily2 || line.when == LineWhen::CloudWritten ||
           line.when == LineWhen::HttpFamily2;
}

// The number a numbered reply key ends with ("NAME,1": "1"), else nothing.
std::string_view LineNumberOf(const char* reply) {
    const std::string_view key = reply == nullptr ? std::string_view() : reply;
    const std::size_t comma = key.find(',');
    return comma == std::string_view::npos ? std::string_view() : key.substr(comma + 1);
}

// The lines and values of write all for one form.
class LineWriter {
public:
    explicit LineWriter(const FormModel& form) : form_(form) {}

    bool Sends(const DeviceLine& line) const {
        const int mode = form_.Item(Field::WorkMode);
        const bool dataPage = mode == kDataTransmissionMode && IsDataPageView(form_.View());
        switch (line.when) {
            case LineWhen::DataPage:
            case LineWhen::DataPageFamily2:
                return dataPage;
            case LineWhen::CloudWritten:
                return dataPage && Value(RowOf(Field::CloudEnable)) == "1";
            case LineWhen::HttpMode:
            case LineWhen::HttpFamily2:
                return mode == kHttpdClientMode;
            case LineWhen::SmsMode:
                return mode == kSmsTransmissionMode;
            case LineWhen::Always:
                return true;
        }
        return false;
    }

    // The line's arguments; nothing for a line its empty value keeps from going out.
    std::optional<std::string> Arguments(const DeviceLine& line) const {
        if (line.use == LineUse::PortFormat) {
            return IcfValue(form_.Item(Field::DataBits), form_.Item(Field::StopBits),
                            form_.Item(Field::Parity));
        }
        std::array<std::string, kMostSlots> slots;
        slots[0] = LineNumberOf(line.reply);
        for (const FieldRow& row : FormFields()) {
            if (IsFieldOf(row, line)) {
                const std::string value = Value(row);
                const bool tick = row.kind == FieldKind::Tick;
                slots.at(row.slot) = !tick ? value : value == "1" ? line.tickOn : line.tickOff;
            }
        }
        if (line.use == LineUse::KeptWhenEmpty && slots[0].empty()) {
            return std::nullopt;
        }
        const bool compact = form_.View() == kCompactView && line.compactFormat != nullptr;
        return FilledLine(compact ? line.compactFormat : line.format, slots);
    }

private:
    // A value as its line carries it: the form's, or in the compact view what
    // the table writes in place of a field the view hides.
    std::string Value(const FieldRow& row) const {
        const bool hidden = form_.View() == kCompactView && row.compactValue != nullptr;
        std::string value;
        if (row.kind == FieldKind::Tick) {
            value = CheckToDigit(form_.Tick(row.field));
        } else if (row.kind == FieldKind::Item) {
            value = row.items.empty() ? std::to_string(form_.Item(row.field))
                                      : form_.ItemText(row.field);
        } else if (row.compare == Compare::Packet) {
            value = SentValue(row, form_);
        } else if (row.rule == ValueRule::SpacedNumber) {
            value = DelSpaces(form_.Text(row.field));
        } else {
            value = form_.Text(row.field);
        }
        return hidden ? std::string(row.compactValue) : value;
    }

    static std::string FilledLine(std::string_view format,
                                  const std::array<std::string, kMostSlots>& slots) {
        std::string text;
        for (std::size_t i = 0; i < format.size(); ++i) {
            const bool slot = format[i] == '{' && i + 2 < format.size() && format[i + 2] == '}';
            if (slot) {
                text += slots.at(static_cast<std::size_t>(format[i + 1] - '0'));
                i += 2;
            } else {
                text += format[i];
            }
        }
        return text;
    }

    const FormModel& form_;
};

}  // namespace

void BuildReadAllOrders(OrderList& orders) {
    orders.ClearOrders();
    for (const TCmd query : {kVersionCmd, kPortRateCmd, kPortFormatCmd, kSocketsCmd}) {
        orders.AddQueryOrder(std::string(CmdName(query)));
    }
}

void BuildWriteAllOrders(const FormModel& form, OrderList& orders) {
    orders.ClearOrders();
    orders.AddQueryOrder(std::string(CmdName(kVersionCmd)));
    const LineWriter writer(form);
    for (const DeviceLine& line : DeviceLines()) {
        if (IsFamilyLine(line) || !writer.Sends(line)) {
            continue;
        }
        if (const std::optional<std::string> arguments = writer.Arguments(line)) {
            orders.AddSetOrderCmd(line.command, *arguments);
        }
    }
    orders.AddRawOrder("ATW\r\n");
}

void AppendFamilyQueries(const FormModel& form, OrderList& orders) {
    const int mode = form.Item(Field::WorkMode);
    for (const DeviceFieldRow& row : DeviceFields()) {
        const bool family =
            (mode == kDataTransmissionMode &&
             (row.when == SentWhen::DataFullFamily2 || row.when == SentWhen::CloudOn)) ||
            (mode == kHttpdClientMode && row.when == SentWhen::HttpFamily2);
        // The cloud password is never reported: it is not asked for.
        if (family && *row.reply != '\0') {
            orders.AddQueryOrder(std::string(CmdName(row.command)));
        }
    }
}

void InsertFamilySetLines(const FormModel& form, OrderList& orders) {
    const LineWriter writer(form);
    for (const DeviceLine& line : DeviceLines()) {
        if (!IsFamilyLine(line) || !writer.Sends(line)) {
            continue;
        }
        if (const std::optional<std::string> arguments = writer.Arguments(line)) {
            orders.InsertSetOrderCmd(line.command, *arguments);
        }
    }
}

}  // namespace dtu
