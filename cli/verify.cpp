#include "cli/verify.h"

#include "form/form_profile.h"
#include "protocol/order_list.h"

namespace dtu::cli {

namespace {

// Whether a packet or socket line carries the row's packet or socket: the
// reply's item against the line's first argument.
bool SameItem(const DeviceFieldRow& row, std::string_view line) {
    const std::string_view reply = row.reply;
    const std::size_t comma = reply.find(',');
    if (comma == std::string_view::npos) {
        return true;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    const std::string_view arguments = line.substr(equals + 1);
    return arguments.substr(0, arguments.find_first_of(",\r\n")) == reply.substr(comma + 1);
}

}  // namespace

std::vector<Mismatch> CompareWritten(const FormModel& wanted, const FormModel& found,
                                     const std::set<std::string>& reported, bool familyTwo) {
    std::vector<Mismatch> mismatches;
    for (const DeviceFieldRow& row : DeviceFields()) {
        // The cloud password is never asked for.
        if (*row.reply == '\0' || !IsSent(row, wanted, familyTwo)) {
            continue;
        }
        std::string written = SentValue(row, wanted);
        if (!reported.contains(row.reply)) {
            mismatches.push_back(
                {ProfileKeyName(row.field), std::move(written), {}, true, row.json});
            continue;
        }
        std::string read = SentValue(row, found);
        if (!SameValue(row.compare, written, read)) {
            mismatches.push_back(
                {ProfileKeyName(row.field), std::move(written), std::move(read), false, row.json});
        }
    }
    return mismatches;
}

std::vector<std::string> KeysSentBy(const std::string& line, const FormModel& wanted,
                                    bool familyTwo) {
    const std::string command = LineCommandName(line);
    std::vector<std::string> keys;
    for (const DeviceFieldRow& row : DeviceFields()) {
        if (command == CmdName(row.command) && SameItem(row, line) &&
            IsSent(row, wanted, familyTwo)) {
            keys.push_back(ProfileKeyName(row.field));
        }
    }
    return keys;
}

}  // namespace dtu::cli
