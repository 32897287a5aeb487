#include "serial/line_settings.h"

#include <sys/ioctl.h>

#include <array>
#include <utility>

namespace dtu {

namespace {

// B0 is left out: it means hang up, not a speed.
constexpr std::array<std::pair<std::uint32_t, speed_t>, 30> kSpeeds = {{
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
}};

constexpr std::array<tcflag_t, 4> kCharSizeFlags = {CS5, CS6, CS7, CS8};

tcflag_t ParityFlags(TParity parity) {
    switch (parity) {
        case TParity::None:
            return 0;
        case TParity::Odd:
            return PARENB | PARODD;
        case TParity::Even:
            return PARENB;
        case TParity::Mark:
            return PARENB | PARODD | CMSPAR;
        case TParity::Space:
            return PARENB | CMSPAR;
    }
    return 0;
}

void SetLines(int fd, int lines, bool on) {
    ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &lines);
}

}  // namespace

std::optional<speed_t> SpeedFor(std::uint32_t baud) {
    for (const auto& [rate, speed] : kSpeeds) {
        if (rate == baud) {
            return speed;
        }
    }
    return std::nullopt;
}

termios BuildTermios(const LineSettings& settings, const termios& current) {
    termios t = current;
    cfmakeraw(&t);
    // A separate input speed left by another program would outlive ours.
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CIBAUD);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag |= kCharSizeFlags[static_cast<std::size_t>(settings.byteSize)];
    t.c_cflag |= ParityFlags(settings.parity);
    if (settings.stopBits == TStopBits::_2) {
        t.c_cflag |= CSTOPB;
    }
    if (settings.hardwareFlowControl) {
        t.c_cflag |= CRTSCTS;
    }

    t.c_iflag &= ~(INPCK | IGNPAR | PARMRK | IXON | IXOFF | IXANY);
    if (settings.parityCheck) {
        t.c_iflag |= INPCK;
    }
    // The reader frames blocks itself and never blocks in read().
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;

    if (auto speed = SpeedFor(settings.baudRate)) {
        cfsetispeed(&t, *speed);
        cfsetospeed(&t, *speed);
    }
    return t;
}

void ApplyModemLines(int fd, const LineSettings& settings) {
    SetLines(fd, TIOCM_DTR | TIOCM_RTS, settings.raiseModemLines);
}

}  // namespace dtu
