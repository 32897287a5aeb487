#include "protocol/run_texts.h"

#include "lang/lang_list.h"
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

std::string CountedNames(const char* key, const std::vector<std::string>& names) {
    return FormatValue(LangText(key), {std::to_string(names.size()), Joined(names)});
}

}  // namespace

std::string IncompleteText(const std::vector<std::string>& refused,
                           const std::vector<std::string>& unreadable) {
    std::string text;
    if (!refused.empty()) {
        text = CountedNames("lang_Run_Refused", refused);
    }
    if (!unreadable.empty()) {
        text += (text.empty() ? "" : " ") + CountedNames("lang_Run_Unreadable", unreadable);
    }
    return text;
}

std::string NoAnswerText(const std::string& port, const std::string& baudRate) {
    return FormatValue(LangText("lang_Run_NoAnswer"), {port, baudRate});
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
