#include "protocol/run_texts.h"

#include <algorithm>

#include "lang/lang_list.h"
#include "protocol/line_fields.h"
#include "protocol/write_values.h"

namespace dtu {

namespace {

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

// Each line by the field it carries, once, in the order first met.
std::string CountedFields(const char* key, const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const std::string& line : lines) {
        std::string name = LineFieldName(line);
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(std::move(name));
        }
    }
    return FormatValue(LangText(key), {std::to_string(lines.size()), Joined(names)});
}

}  // namespace

std::string IncompleteText(const std::vector<std::string>& refused,
                           const std::vector<std::string>& unreadable,
                           const std::vector<std::string>& notRead) {
    std::string text;
    const auto add = [&text](const char* key, const std::vector<std::string>& lines) {
        if (!lines.empty()) {
            text += (text.empty() ? "" : " ") + CountedFields(key, lines);
        }
    };
    add("lang_Run_Refused", refused);
    add("lang_Run_Unreadable", unreadable);
    add("lang_Run_NotRead", notRead);
    return text;
}

std::string NoAnswerText(const std::string& port, const std::string& baudRate) {
    return FormatValue(LangText("lang_Run_NoAnswer"), {port, baudRate});
}

std::string GarbledText(const std::string& port, const std::string& baudRate) {
    return FormatValue(LangText("lang_Run_Garbled"), {port, baudRate});
}

std::string PortLostText(const std::string& port) {
    return FormatValue(LangText("lang_Run_PortLost"), {port});
}

std::string ReopenFailedText(const LineChange& change, const std::string& reason) {
    std::vector<std::string> settings;
    for (const auto* part :
         {&change.baudRate, &change.parity, &change.dataBits, &change.stopBits}) {
        if (part->has_value()) {
            settings.push_back(**part);
        }
    }
    return FormatValue(LangText("lang_Run_ReopenFailed"), {Joined(settings), reason});
}

std::string InterruptedText(int linesDone, int linesTotal) {
    return FormatValue(LangText("lang_Run_Interrupted"),
                       {std::to_string(linesDone), std::to_string(linesTotal)});
}

}  // namespace dtu
