#include "render/open_error_text.h"

#include <vector>

#include "render/line_problem_text.h"
#include "render/open_failure_reason.h"

namespace dtu {

std::string FillTextArgs(const std::string& pattern, std::initializer_list<std::string> args) {
    const std::vector<std::string> values(args);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text += values[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string OpenErrorText(const OpenError& error, const TLangList& table) {
    const auto words = [&table](const char* key) { return table.GetText(key); };
    switch (error.kind) {
        case OpenFailure::None:
            return {};
        case OpenFailure::Permission:
            return error.rootOnly ? FillTextArgs(words("lang_Info_OpenRootOnly"), {error.path})
                                  : FillTextArgs(words("lang_Info_OpenNoPermission"),
                                                 {error.path, error.group});
        case OpenFailure::Busy: {
            std::string text = words("lang_Info_ComInuse");
            if (error.holderPid > 0) {
                text += FillTextArgs(words("lang_Info_OpenHolder"),
                                     {std::to_string(error.holderPid), error.holderProgram});
            }
            return text;
        }
        case OpenFailure::Missing:
            return error.path.empty() ? words("lang_Info_OpenNoPort")
                                      : FillTextArgs(words("lang_Info_OpenMissing"), {error.path});
        case OpenFailure::LineSettings:
            return FillTextArgs(
                words("lang_Info_OpenLineSettings"),
                {error.path, LineProblemText(error.line, table, SystemWords::AsGbk)});
        case OpenFailure::Other:
        case OpenFailure::TooManyFiles:
        case OpenFailure::AlreadyOpen:
        case OpenFailure::NoSettings:
        case OpenFailure::NoReader:
        case OpenFailure::NoWriter:
        case OpenFailure::BadBaudRate:
        case OpenFailure::BadDataBits:
        case OpenFailure::BadStopBits:
        case OpenFailure::ServerClosed:
        case OpenFailure::PlainServer:
        case OpenFailure::Cancelled:
        case OpenFailure::NotConnected:
            return FillTextArgs(words("lang_Info_OpenOther"),
                                {error.path, OpenFailureReason(error, table, SystemWords::AsGbk)});
        case OpenFailure::BadAddress:
            return FillTextArgs(words("lang_Info_NetBadAddress"), {error.path});
        case OpenFailure::NoSuchHost:
            return FillTextArgs(words("lang_Info_NetNoSuchHost"),
                                {error.path, SystemTextAs(error.systemText, SystemWords::AsGbk)});
        case OpenFailure::Refused:
            return FillTextArgs(words("lang_Info_NetRefused"), {error.path});
        case OpenFailure::Unreachable:
            return FillTextArgs(words("lang_Info_NetUnreachable"), {error.path});
        case OpenFailure::NoAnswer:
            return FillTextArgs(words("lang_Info_NetNoAnswer"), {error.path});
        case OpenFailure::ServerLine:
            return FillTextArgs(words("lang_Info_NetServerLine"), {error.path, error.systemText});
    }
    return {};
}

}  // namespace dtu
