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

// The program's own reasons; those of a text that is no value quote it as %1,
// the plain server's names the port that reaches it.
constexpr std::array<ReasonRow, 12> kOwnReasons = {{
    {OpenFailure::TooManyFiles, "lang_Reason_TooManyFiles"},
    {OpenFailure::AlreadyOpen, "lang_Reason_AlreadyOpen"},
    {OpenFailure::NoSettings, "lang_Reason_NoSettings"},
    {OpenFailure::NoReader, "lang_Reason_NoReader"},
    {OpenFailure::NoWriter, "lang_Reason_NoWriter"},
    {OpenFailure::BadBaudRate, "lang_Reason_BadBaudRate"},
    {OpenFailure::BadDataBits, "lang_Reason_BadDataBits"},
    {OpenFailure::BadStopBits, "lang_Reason_BadStopBits"},
    {OpenFailure::ServerClosed, "lang_Reason_ServerClosed"},
    {OpenFailure::PlainServer, "lang_Reason_PlainServer"},
    {OpenFailure::Cancelled, "lang_Reason_Cancelled"},
    {OpenFailure::NotConnected, "lang_Reason_NotConnected"},
}};

// The plain TCP name of a telnet port's server: socket://HOST:PORT.
std::string PlainServerName(const std::string& path) {
    const std::size_t scheme = path.find("://");
    return "socket://" + (scheme == std::string::npos ? path : path.substr(scheme + 3));
}

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
            const std::string text = error.kind == OpenFailure::PlainServer
                                         ? PlainServerName(error.path)
                                         : SystemTextAs(error.systemText, system);
            return FillTextArgs(table.GetText(row.key), {text});
        }
    }
    return SystemTextAs(error.systemText, system);
}

}  // namespace dtu
