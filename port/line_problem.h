#pragma once

#include <cstdint>

namespace dtu {

// The rates a port is ever asked for.
inline constexpr std::uint32_t kMinBaudRate = 50;
inline constexpr std::uint32_t kMaxBaudRate = 4000000;

// The line setting a problem is about; Line is all of them at once.
enum class LineSetting { Line, BaudRate, InputBaudRate, DataBits, Parity, StopBits, FlowControl };

// The parities a value of LineSetting::Parity names.
enum class LineParity : std::uint32_t { None, Odd, Even, Mark, Space };

// What became of a setting the port or the server was asked for.
enum class LineTrouble {
    OutOfRange,       // no port takes `asked`: a rate outside kMinBaudRate..kMaxBaudRate
    Refused,          // the system refused it, `systemError` says why
    NotKept,          // the port or the server has `kept` instead
    Unreadable,       // the settings cannot be read back, `systemError` says why
    NotConfirmed,     // the server did not answer for it
    UnknownAnswer,    // the server answered `kept`, a code the option does not define
    NoComPortOption,  // the server does not offer the com-port option
};

// Who holds the line: a local port, or a serial device server.
enum class LineHolder { Port, Server };

// Why a port did not take its line settings, as values for the front ends to
// put into words. `asked` and `kept` are numbers: rates in baud, data and stop
// bits as counts, a parity as a LineParity, flow control as 1 on and 0 off.
struct LineProblem {
    LineSetting setting = LineSetting::Line;
    LineTrouble trouble = LineTrouble::Refused;
    LineHolder holder = LineHolder::Port;
    std::uint32_t asked = 0;
    std::uint32_t kept = 0;
    int systemError = 0;  // the errno the system gave, 0 when it gave none

    bool operator==(const LineProblem&) const = default;
};

}  // namespace dtu
