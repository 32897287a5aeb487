#pragma once

#include <termios.h>

#include <cstdint>
#include <optional>
#include <string>

#include "serial/port_speed.h"

namespace dtu {

// The kind of terminal decides which settings it keeps: a pseudo-terminal
// forces 8 data bits without parity and keeps the rest.
enum class PortKind { PseudoTerminal, Uart };

PortKind KindOfPort(int fd);

// The rates a port is ever asked for.
inline constexpr std::uint32_t kMinBaudRate = 50;
inline constexpr std::uint32_t kMaxBaudRate = 4000000;

// A port's settings as read back after setting them.
struct PortLine {
    termios record{};
    PortSpeed speed;
};

// Why the port's settings differ from those asked, as "<setting> <asked>
// asked, port has <value>"; nothing when the port kept every setting its kind
// keeps. A speed within 2 % of the one asked counts as kept: UARTs round to
// their clock and tolerate that much.
std::optional<std::string> LineMismatch(PortKind kind, const termios& asked,
                                        std::uint32_t askedBaud, const PortLine& has);

// Applies `record` with `baud` (by number when termios has no constant for it)
// and reads both back; the reason when the port refused them or kept others.
std::optional<std::string> ApplyLine(int fd, const termios& record, std::uint32_t baud);

}  // namespace dtu
