#include "render/line_fields.h"

#include <optional>

#include "form/device_map.h"
#include "lang/lang_list.h"
#include "protocol/commands.h"
#include "protocol/order_list.h"
#include "render/field_names.h"

namespace dtu {

namespace {

// Lines that no one field of the form names.
struct OwnLabel {
    TCmd cmd;
    const char* labelKey;
};
constexpr OwnLabel kOwnLabels[] = {
    {kVersionCmd, "lang_btn_At_GetCiver"},
    {kPortFormatCmd, "lang_Lbl_ComParam"},
};

// The first argument of a set line, up to its first comma: a socket's number.
std::string FirstArgument(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    const std::string_view value = line.substr(equals + 1);
    return std::string(value.substr(0, value.find_first_of(",\r\n")));
}

// Which one of its command's replies a device row is: a socket's or a packet's number.
std::string_view ReplyItem(std::string_view reply) {
    const std::size_t comma = reply.find(',');
    return comma == std::string_view::npos ? std::string_view() : reply.substr(comma + 1);
}

// The field that names a line of `cmd`: the first the line's argument picks
// (the registration packet for "1"), else the command's first.
std::optional<Field> NamingField(TCmd cmd, std::string_view argument) {
    std::optional<Field> first;
    for (const DeviceFieldRow& row : DeviceFields()) {
        if (row.command != cmd) {
            continue;
        }
        if (!argument.empty() && ReplyItem(row.reply) == argument) {
            return row.field;
        }
        if (!first) {
            first = row.field;
        }
    }
    return first;
}

}  // namespace

std::string LineFieldName(std::string_view line, const TLangList& table) {
    const std::string command = LineCommandName(line);
    const std::optional<TCmd> cmd = CmdByName(command);
    if (!cmd) {
        return command;
    }
    for (const OwnLabel& own : kOwnLabels) {
        if (own.cmd == *cmd) {
            return LabelText(table, own.labelKey);
        }
    }
    const std::string argument = FirstArgument(line);
    const std::optional<Field> field = NamingField(*cmd, argument);
    if (!field) {
        return command;
    }
    // A socket's line is named by the box that turns the socket on, and the
    // number the line gives.
    const int socket = SocketNumberOf(*field);
    if (socket == 0) {
        return FieldName(table, *field);
    }
    const std::string label = FieldLabel(table, kSockets[socket - 1].enabled);
    return argument.empty() ? label : label + " " + argument;
}

}  // namespace dtu
