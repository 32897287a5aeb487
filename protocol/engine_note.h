#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/device_port.h"
#include "protocol/run_outcome.h"

namespace dtu {

// What the engine has to tell beyond the bytes it exchanges: how a run ended,
// a port that went away, a line that could not go out. A value: each front end
// puts it into words, in its own language.
enum class NoteKind : std::uint8_t {
    Success,
    Incomplete,
    NoAnswer,
    Garbled,
    PortLost,
    ReopenFailed,
    Interrupted,
    NotSaved,  // a write all ended before ATW went out
    PortNotOpen,
    TooLong,        // a line longer than the port takes
    AnswerTooLong,  // an answer past kAnswerBound: the line in `unreadable`
};

struct EngineNote {
    NoteKind kind = NoteKind::Success;
    std::uint8_t operation = kOtherOperation;  // Success: what succeeded
    std::string port;                          // NoAnswer, Garbled, PortLost
    std::string baudRate;                      // NoAnswer, Garbled
    LineChange change;                         // ReopenFailed: the settings asked for
    OpenError reopenError;                     // ReopenFailed: why the port did not follow
    int linesDone = 0;                         // Interrupted
    int linesTotal = 0;
    // Incomplete: the lines as sent.
    std::vector<std::string> refused;
    std::vector<std::string> unreadable;
    std::vector<std::string> notRead;
};

}  // namespace dtu
