#include "serial/line_check.h"

#include <linux/major.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <span>

#include "serial/line_settings.h"

namespace dtu {

namespace {

// A value of one c_cflag setting, as a line problem carries it.
struct FlagValue {
    tcflag_t bits;
    std::uint32_t value;
};

constexpr auto Parity(LineParity parity) {
    return static_cast<std::uint32_t>(parity);
}

constexpr FlagValue kCharSizes[] = {{CS5, 5}, {CS6, 6}, {CS7, 7}, {CS8, 8}};
constexpr FlagValue kParities[] = {{0, Parity(LineParity::None)},
                                   {PARENB, Parity(LineParity::Even)},
                                   {PARENB | PARODD, Parity(LineParity::Odd)},
                                   {PARENB | CMSPAR, Parity(LineParity::Space)},
                                   {PARENB | PARODD | CMSPAR, Parity(LineParity::Mark)}};
constexpr FlagValue kStopBits[] = {{0, 1}, {CSTOPB, 2}};
constexpr FlagValue kOnOff[] = {{0, 0}, {CRTSCTS, 1}};

// One setting of c_cflag that a port may refuse, and the values it takes.
struct KeptSetting {
    LineSetting setting;
    tcflag_t mask;
    bool keptByPseudoTerminal;
    std::span<const FlagValue> values;
};

constexpr KeptSetting kKeptSettings[] = {
    {LineSetting::DataBits, CSIZE, false, kCharSizes},
    {LineSetting::Parity, PARENB | PARODD | CMSPAR, false, kParities},
    {LineSetting::StopBits, CSTOPB, true, kStopBits},
    {LineSetting::FlowControl, CRTSCTS, true, kOnOff},
};

// Every combination of the mask's bits has its row; the bits stand in for one
// a system might add.
std::uint32_t ValueOf(const KeptSetting& setting, tcflag_t cflag) {
    tcflag_t bits = cflag & setting.mask;
    // Parity bits without PARENB mean no parity, whatever else is set.
    if (setting.mask & PARENB && (bits & PARENB) == 0) {
        bits = 0;
    }
    for (const FlagValue& row : setting.values) {
        if (row.bits == bits) {
            return row.value;
        }
    }
    return bits;
}

bool SpeedKept(std::uint32_t asked, std::uint32_t has) {
    std::uint32_t off = asked > has ? asked - has : has - asked;
    return std::uint64_t{off} * 50 <= asked;
}

LineProblem NotKept(LineSetting setting, std::uint32_t asked, std::uint32_t kept) {
    return {setting, LineTrouble::NotKept, LineHolder::Port, asked, kept, 0};
}

// The system's failure at `setting`, told by errno.
LineProblem Failure(LineSetting setting, LineTrouble trouble, std::uint32_t asked = 0) {
    return {setting, trouble, LineHolder::Port, asked, 0, errno};
}

}  // namespace

PortKind KindOfPort(int fd) {
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) {
        return PortKind::Uart;
    }
    unsigned int number = major(st.st_rdev);
    bool unix98 = number >= UNIX98_PTY_SLAVE_MAJOR &&
                  number < UNIX98_PTY_SLAVE_MAJOR + UNIX98_PTY_MAJOR_COUNT;
    return unix98 || number == PTY_SLAVE_MAJOR ? PortKind::PseudoTerminal : PortKind::Uart;
}

std::optional<LineProblem> LineMismatch(PortKind kind, const termios& asked,
                                        std::uint32_t askedBaud, const PortLine& has) {
    if (!SpeedKept(askedBaud, has.speed.output)) {
        return NotKept(LineSetting::BaudRate, askedBaud, has.speed.output);
    }
    if (!SpeedKept(askedBaud, has.speed.input)) {
        return NotKept(LineSetting::InputBaudRate, askedBaud, has.speed.input);
    }
    for (const KeptSetting& setting : kKeptSettings) {
        if (kind == PortKind::PseudoTerminal && !setting.keptByPseudoTerminal) {
            continue;
        }
        const std::uint32_t wanted = ValueOf(setting, asked.c_cflag);
        const std::uint32_t kept = ValueOf(setting, has.record.c_cflag);
        if (wanted != kept) {
            return NotKept(setting.setting, wanted, kept);
        }
    }
    return std::nullopt;
}

std::optional<LineProblem> ApplyLine(int fd, const termios& record, std::uint32_t baud) {
    if (baud < kMinBaudRate || baud > kMaxBaudRate) {
        return LineProblem{LineSetting::BaudRate, LineTrouble::OutOfRange, LineHolder::Port, baud};
    }
    PortKind kind = KindOfPort(fd);
    termios applied = record;
    if (kind == PortKind::PseudoTerminal) {
        // It has no character size or parity; asking for others only makes
        // tcsetattr fail after the rest was applied.
        applied.c_cflag = (applied.c_cflag & ~(CSIZE | PARENB)) | CS8;
    }
    // A failure is reported only when the read-back shows no mismatch: the
    // mismatch says more, and tcsetattr also fails on a port that kept a part.
    std::optional<LineProblem> failure;
    if (tcsetattr(fd, TCSANOW, &applied) != 0) {
        failure = Failure(LineSetting::Line, LineTrouble::Refused);
    }
    if (!SpeedFor(baud) && !SetSpeedByNumber(fd, baud) && !failure) {
        failure = Failure(LineSetting::BaudRate, LineTrouble::Refused, baud);
    }
    PortLine has;
    std::optional<PortSpeed> speed = ReadSpeed(fd);
    if (!speed || tcgetattr(fd, &has.record) != 0) {
        return Failure(LineSetting::Line, LineTrouble::Unreadable);
    }
    has.speed = *speed;
    if (std::optional<LineProblem> mismatch = LineMismatch(kind, record, baud, has)) {
        return mismatch;
    }
    return failure;
}

}  // namespace dtu
