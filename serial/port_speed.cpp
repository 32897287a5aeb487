#include "serial/port_speed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace dtu {

bool SetSpeedByNumber(int fd, std::uint32_t baud) {
    termios2 t{};
    if (ioctl(fd, TCGETS2, &t) != 0) {
        return false;
    }
    // An input speed field of zero makes the input follow the output.
    t.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER;
    t.c_ispeed = baud;
    t.c_ospeed = baud;
    return ioctl(fd, TCSETS2, &t) == 0;
}

std::optional<PortSpeed> ReadSpeed(int fd) {
    termios2 t{};
    if (ioctl(fd, TCGETS2, &t) != 0) {
        return std::nullopt;
    }
    return PortSpeed{t.c_ispeed, t.c_ospeed};
}

}  // namespace dtu
