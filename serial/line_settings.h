#pragma once

#include <termios.h>

#include <cstdint>
#include <optional>

#include "serial/comm.h"

namespace dtu {

// The line-setting properties of TComm, with the component's defaults.
struct LineSettings {
    std::uint32_t baudRate = 9600;
    TByteSize byteSize = TByteSize::_8;
    TParity parity = TParity::None;
    bool parityCheck = false;
    TStopBits stopBits = TStopBits::_1;
    bool hardwareFlowControl = true;
    bool raiseModemLines = true;
};

// The time-out properties, in milliseconds.
struct TimeoutSettings {
    std::uint32_t readInterval = 10;
    // A read that ends at a line end is handed over at once, and no byte waits
    // longer than the read interval: answers read line by line are complete
    // without waiting for the line to fall quiet, and a slow device is heard
    // while it sends.
    bool deliverAtLineEnd = false;
};

// The termios speed constant for a rate, or nothing when termios has none.
std::optional<speed_t> SpeedFor(std::uint32_t baud);

// A raw-mode record for `settings`, starting from `current` (what the port has
// now). A rate without a termios constant leaves the speed as it is: ApplyLine
// sets such a rate by number.
termios BuildTermios(const LineSettings& settings, const termios& current);

// Raises or drops DTR and RTS together as the settings ask. Failures are ignored: a
// pseudo-terminal has no modem lines.
void ApplyModemLines(int fd, const LineSettings& settings);

}  // namespace dtu
