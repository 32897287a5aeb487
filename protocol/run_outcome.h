#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dtu {

// Values of Engine::CurrentOperation.
inline constexpr std::uint8_t kOtherOperation = 0;
inline constexpr std::uint8_t kReadAllOperation = 1;
inline constexpr std::uint8_t kWriteAllOperation = 2;

// How a run of the command list ended.
enum class RunEnd {
    Success,       // every line got the answer it expects
    Incomplete,    // the device refused lines or sent replies that could not be read
    NoAnswer,      // silent, also to the recovery
    PortLost,      // the device or the adapter went away
    NotOpen,       // started while no port was open
    ReopenFailed,  // the PC port could not follow the device's new line settings
    Interrupted,   // a new action replaced it
};

// The one verdict of a run. Lines are counted by command name ("CIPPACK").
struct RunOutcome {
    std::uint8_t operation = kOtherOperation;
    RunEnd end = RunEnd::Success;
    int linesDone = 0;  // lines that got an answer
    int linesTotal = 0;
    std::vector<std::string> refused;
    std::vector<std::string> unreadable;
    std::string reason;  // why a reopen failed

    bool operator==(const RunOutcome&) const = default;
};

}  // namespace dtu
