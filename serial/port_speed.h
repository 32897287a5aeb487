#pragma once

#include <cstdint>
#include <optional>

// Speeds by number, through termios2. Kept apart from <termios.h>, whose
// record clashes with the kernel's in one translation unit.

namespace dtu {

struct PortSpeed {
    std::uint32_t input = 0;
    std::uint32_t output = 0;
};

// Sets both speeds of the terminal `fd` to `baud` as a number (BOTHER),
// leaving every other setting as it is. False, with errno set, when refused.
bool SetSpeedByNumber(int fd, std::uint32_t baud);

// Both speeds of the terminal as numbers, however they were set; nothing when
// the terminal cannot be read.
std::optional<PortSpeed> ReadSpeed(int fd);

}  // namespace dtu
