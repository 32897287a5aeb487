#include "render/line_problem_text.h"

#include <array>

#include "render/open_error_text.h"

namespace dtu {

namespace {

// A setting's name, as the port's own words and the server's give it.
struct SettingWords {
    LineSetting setting;
    const char* portKey;
    const char* serverKey;
};

constexpr std::array<SettingWords, 6> kSettingWords = {{
    {LineSetting::BaudRate, "lang_Line_BaudRate", "lang_Line_BaudRate"},
    {LineSetting::InputBaudRate, "lang_Line_InputBaudRate", "lang_Line_InputBaudRate"},
    {LineSetting::DataBits, "lang_Line_CharSize", "lang_Line_DataBits"},
    {LineSetting::Parity, "lang_Line_Parity", "lang_Line_Parity"},
    {LineSetting::StopBits, "lang_Line_StopBits", "lang_Line_StopBits"},
    {LineSetting::FlowControl, "lang_Line_FlowControl", "lang_Line_FlowControl"},
}};

// A parity in the port's words, and as the line's notation names it on a server.
struct ParityWords {
    LineParity parity;
    const char* portKey;
    const char* notation;
};

constexpr std::array<ParityWords, 5> kParityWords = {{
    {LineParity::None, "lang_Line_ParityNone", "NONE"},
    {LineParity::Odd, "lang_Line_ParityOdd", "ODD"},
    {LineParity::Even, "lang_Line_ParityEven", "EVEN"},
    {LineParity::Mark, "lang_Line_ParityMark", "MARK"},
    {LineParity::Space, "lang_Line_ParitySpace", "SPACE"},
}};

// The whole line's troubles, told with the system's reason as %1.
struct LineWords {
    LineTrouble trouble;
    const char* key;
};

constexpr std::array<LineWords, 3> kLineWords = {{
    {LineTrouble::Refused, "lang_Line_AllRefused"},
    {LineTrouble::Unreadable, "lang_Line_Unreadable"},
    {LineTrouble::NoComPortOption, "lang_Line_NoComPort"},
}};

// A trouble of the whole line in words; one no port reports of it reads as refused.
std::string LineText(const LineProblem& problem, const TLangList& table,
                     const std::string& reason) {
    for (const LineWords& row : kLineWords) {
        if (row.trouble == problem.trouble) {
            return FillTextArgs(table.GetText(row.key), {reason});
        }
    }
    return FillTextArgs(table.GetText("lang_Line_AllRefused"), {reason});
}

std::string SettingName(const LineProblem& problem, const TLangList& table) {
    for (const SettingWords& row : kSettingWords) {
        if (row.setting == problem.setting) {
            return table.GetText(problem.holder == LineHolder::Server ? row.serverKey
                                                                      : row.portKey);
        }
    }
    return {};
}

// `value` of the problem's setting in words: a number, a parity or on/off.
std::string ValueText(const LineProblem& problem, std::uint32_t value, const TLangList& table) {
    if (problem.setting == LineSetting::FlowControl) {
        return table.GetText(value != 0 ? "lang_Line_On" : "lang_Line_Off");
    }
    if (problem.setting == LineSetting::Parity) {
        for (const ParityWords& row : kParityWords) {
            if (static_cast<std::uint32_t>(row.parity) == value) {
                return problem.holder == LineHolder::Server ? row.notation
                                                            : table.GetText(row.portKey);
            }
        }
    }
    return std::to_string(value);
}

}  // namespace

std::string LineProblemText(const LineProblem& problem, const TLangList& table,
                            SystemWords system) {
    const std::string reason = SystemWordsOf(problem.systemError, system);
    const std::string name = SettingName(problem, table);
    const std::string asked = ValueText(problem, problem.asked, table);
    const auto words = [&table](const char* key) { return table.GetText(key); };
    if (problem.setting == LineSetting::Line) {
        return LineText(problem, table, reason);
    }
    switch (problem.trouble) {
        case LineTrouble::OutOfRange:
            return FillTextArgs(
                words("lang_Line_OutOfRange"),
                {name, asked, std::to_string(kMinBaudRate), std::to_string(kMaxBaudRate)});
        case LineTrouble::Refused:
            return FillTextArgs(words("lang_Line_Refused"), {name, asked, reason});
        case LineTrouble::NotKept:
            return FillTextArgs(
                words(problem.holder == LineHolder::Server ? "lang_Line_NotKeptByServer"
                                                           : "lang_Line_NotKeptByPort"),
                {name, asked, ValueText(problem, problem.kept, table)});
        case LineTrouble::NotConfirmed:
            return FillTextArgs(words("lang_Line_NotConfirmed"), {name, asked});
        case LineTrouble::UnknownAnswer:
            return FillTextArgs(words("lang_Line_UnknownAnswer"),
                                {name, asked, std::to_string(problem.kept)});
        case LineTrouble::Unreadable:
        case LineTrouble::NoComPortOption:
            return LineText(problem, table, reason);
    }
    return LineText(problem, table, reason);
}

}  // namespace dtu
