#include "render/open_failure_reason.h"

#include <langinfo.h>

#include <array>
#include <cstring>

#include "lang/gbk.h"
#include "render/line_problem_text.h"
#include "render/open_error_text.h"

namespace dtu {

namespace {

struct ReasonRow {
    OpenFailure kind;
    const char* key;
};

// The program's own reasons; those of a text that is no value quote it as %1.
constexpr std::array<ReasonRow, 8> kOwnReasons = {{
    {OpenFailure::TooManyFiles, "lang_Reason_TooManyFiles"},
    {OpenFailure::AlreadyOpen, "lang_Reason_AlreadyOpen"},
    {OpenFailure::NoSettings, "lang_Reason_NoSettings"},
    {OpenFailure::NoReader, "lang_Reason_NoReader"},
    {OpenFailure::NoWriter, "lang_Reason_NoWriter"},
    {OpenFailure::BadBaudRate, "lang_Reason_BadBaudRate"},
    {OpenFailure::BadDataBits, "lang_Reason_BadDataBits"},
    {OpenFailure::BadStopBits, "lang_Reason_BadStopBits"},
}};

}  // namespace

std::string SystemTextAs(const std::string& text, SystemWords system) {
    // The locale's encoding is UTF-8 wherever the language is one the texts
    // are written in.
    const bool utf8 = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    return system == SystemWords::AsGbk && utf8 ? Utf8ToGbk(text) : text;
}

std::string SystemWordsOf(int error, SystemWords system) {
    return error == 0 ? std::string() : SystemTextAs(std::strerror(error), system);
}

std::string OpenFailureReason(const OpenError& error, const TLangList& table, SystemWords system) {
    if (error.kind == OpenFailure::LineSettings) {
        return LineProblemText(error.line, table, system);
    }
    for (const ReasonRow& row : kOwnReasons) {
        if (row.kind == error.kind) {
            return FillTextArgs(table.GetText(row.key), {SystemTextAs(error.systemText, system)});
        }
    }
    return SystemTextAs(error.systemText, system);
}

}  // namespace dtu
