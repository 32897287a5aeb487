#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "port/open_error.h"

namespace dtu {

// Values of Engine::CurrentOperation.
inline constexpr std::uint8_t kOtherOperation = 0;
inline constexpr std::uint8_t kReadAllOperation = 1;
inline constexpr std::uint8_t kWriteAllOperation = 2;

// How a run of the command list, or a direct send, ended.
enum class RunEnd {
    Success,       // every line got its final line, and every query its values
    Incomplete,    // lines refused, replies that could not be read, queries without values
    NoAnswer,      // silent, also to the recovery
    Garbled,       // bytes came, but never a final line: wrong baud rate or format
    PortLost,      // the device or the adapter went away
    NotOpen,       // started while no port was open
    ReopenFailed,  // the PC port could not follow the device's new line settings
    Interrupted,   // a new action replaced it
};

// The one verdict of a run. Lines are the command lines as sent, CR LF included.
struct RunOutcome {
    std::uint8_t operation = kOtherOperation;
    bool direct = false;  // one line sent outside any list
    RunEnd end = RunEnd::Success;
    int linesDone = 0;  // lines that got an answer
    int linesTotal = 0;
    std::vector<std::string> refused;
    std::vector<std::string> unreadable;
    std::vector<std::string> notRead;  // queries whose answer carried no value
    std::string answer;                // a direct send: every byte of its answer
    OpenError reopenError;             // ReopenFailed: why the port did not follow

    bool operator==(const RunOutcome&) const = default;
};

}  // namespace dtu
