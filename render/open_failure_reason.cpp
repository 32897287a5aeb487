#include "render/open_failure_reason.h"

namespace dtu {

namespace {

struct ReasonRow {
    OpenFailure kind;
    const char* words;
};

constexpr ReasonRow kOwnReasons[] = {
    {OpenFailure::TooManyFiles, "too many open files: raise `ulimit -n`"},
    {OpenFailure::AlreadyOpen, "This serial port already opened"},
    {OpenFailure::NoSettings, "Cannot setup comm buffer"},
    {OpenFailure::NoReader, "Unable to create read thread"},
    {OpenFailure::NoWriter, "Unable to create write thread"},
};

// The words come before the text that is no value, quoted.
constexpr ReasonRow kBadTexts[] = {
    {OpenFailure::BadBaudRate, "invalid baud rate"},
    {OpenFailure::BadDataBits, "invalid data bits"},
    {OpenFailure::BadStopBits, "invalid stop bits"},
};

}  // namespace

std::string OpenFailureReason(const OpenError& error) {
    for (const ReasonRow& row : kOwnReasons) {
        if (row.kind == error.kind) {
            return row.words;
        }
    }
    for (const ReasonRow& row : kBadTexts) {
        if (row.kind == error.kind) {
            return std::string(row.words) + " \"" + error.systemText + "\"";
        }
    }
    return error.systemText;
}

}  // namespace dtu
