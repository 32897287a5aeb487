#pragma once

#include <termios.h>

#include <cstdint>
#include <optional>

#include "port/line_problem.h"
#include "serial/port_speed.h"

namespace dtu {

// The kind of terminal decides which settings it keeps: a pseudo-terminal
// forces 8 data bits without parity and keeps the rest.
enum class PortKind { PseudoTerminal, Uart };

PortKind KindOfPort(int fd);

// A port's settings as read back after setting them.
struct PortLine {
    termios record{};
    PortSpeed speed;
};

// The first setting the port did not keep, with the value asked and the one it
// has; nothing when the port kept every setting its kind keeps. A speed within 2 % of the one asked
// counts as kept: UARTs round to their clock and tolerate that much.
std::optional<LineProblem> LineMismatch(PortKind kind, const termios& asked,
                                        std::uint32_t askedBaud, const PortLine& has);

// Applies `record` with `baud` (by number when termios has no constant for it)
// and reads both back; the problem when the port refused them or kept others.
std::optional<LineProblem> ApplyLine(int fd, const termios& record, std::uint32_t baud);

}  // namespace dtu
