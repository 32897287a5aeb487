#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "port/open_error.h"
#include "protocol/commands.h"

namespace dtu {

// One line setting Find tries, in the port lists' texts, and how it asks.
struct FindTry {
    std::string baudRate;
    std::string parity;
    std::string dataBits;
    std::string stopBits;
    // The data-mode escape before the probe: a device in data mode ignores AT lines.
    bool escape = false;
    // False where the server keeps its own line (plain TCP): the port is left as it is.
    bool setLine = true;

    bool operator==(const FindTry&) const = default;
};

// How one try ended.
enum class TryEnd {
    Answered,    // a readable answer with its final line
    Noise,       // bytes that cannot be a reply: a wrong speed or format
    Unfinished,  // plain bytes that never ended in a final line
    Silent,      // nothing came back
    Refused,     // the port cannot take the setting
};

struct TriedSetting {
    FindTry setting;
    TryEnd end = TryEnd::Silent;
    bool operator==(const TriedSetting&) const = default;
};

enum class FindEnd {
    Found,
    NotFound,
    PortLost,    // the port went away while searching
    PortFailed,  // the port could not be (re)opened: `portError` says why
    Cancelled,   // the user, or another action, stopped it
};

// The one outcome of a search.
struct FindOutcome {
    FindEnd end = FindEnd::NotFound;
    FindTry found;         // Found: the setting the device answered at
    std::string firmware;  // Found: the version the device gave (GBK), empty when none
    std::vector<TriedSetting> tried;
    OpenError portError;
};

// The probe every firmware answers, and the data-mode escape with its acknowledgement.
inline constexpr const char* kFindProbe = kVersionQueryLine;
inline constexpr const char* kFindEscape = "+++";
inline constexpr const char* kFindEscapeAck = "a";

// An answer to the probe that has not ended within this many bytes is none.
inline constexpr std::size_t kFindAnswerBound = 256;
// The first bytes of an answer a try waits for; once they came, the rest of it.
inline constexpr std::size_t kFindAnswerStart = 4;
// The version answer with its echo and blank lines: its "+NAME:V3.38" line and OK.
inline constexpr std::size_t kFindAnswerRest = 40;

// How long a try waits for `lineBytes` at `baud`: the device's turnaround,
// the bytes' time on the line and `framing` for an answer that ends by the
// line falling quiet.
std::chrono::milliseconds FindWait(std::uint32_t baud, std::size_t lineBytes,
                                   std::chrono::milliseconds framing);

}  // namespace dtu
