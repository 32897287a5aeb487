#include "serial/line_check.h"

#include <linux/major.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <cstring>
#include <span>

#include "serial/line_settings.h"

namespace dtu {

namespace {

struct FlagText {
    tcflag_t bits;
    const char* text;
};

constexpr FlagText kCharSizes[] = {{CS5, "5"}, {CS6, "6"}, {CS7, "7"}, {CS8, "8"}};
constexpr FlagText kParities[] = {{0, "none"},
                                  {PARENB, "even"},
                                  {PARENB | PARODD, "odd"},
                                  {PARENB | CMSPAR, "space"},
                                  {PARENB | PARODD | CMSPAR, "mark"}};
constexpr FlagText kStopBits[] = {{0, "1"}, {CSTOPB, "2"}};
constexpr FlagText kOnOff[] = {{0, "off"}, {CRTSCTS, "on"}};

// One setting of c_cflag that a port may refuse, and how its values read.
struct KeptSetting {
    const char* name;
    tcflag_t mask;
    bool keptByPseudoTerminal;
    std::span<const FlagText> texts;
};

constexpr KeptSetting kKeptSettings[] = {
    {"character size", CSIZE, false, kCharSizes},
    {"parity", PARENB | PARODD | CMSPAR, false, kParities},
    {"stop bits", CSTOPB, true, kStopBits},
    {"hardware flow control", CRTSCTS, true, kOnOff},
};

std::string TextOf(const KeptSetting& setting, tcflag_t cflag) {
    tcflag_t bits = cflag & setting.mask;
    // Parity bits without PARENB mean no parity, whatever else is set.
    if (setting.mask & PARENB && (bits & PARENB) == 0) {
        bits = 0;
    }
    for (const FlagText& text : setting.texts) {
        if (text.bits == bits) {
            return text.text;
        }
    }
    return std::to_string(bits);
}

bool SpeedKept(std::uint32_t asked, std::uint32_t has) {
    std::uint32_t off = asked > has ? asked - has : has - asked;
    return std::uint64_t{off} * 50 <= asked;
}

std::string Mismatch(const char* name, const std::string& asked, const std::string& has) {
    return std::string(name) + " " + asked + " asked, port has " + has;
}

std::string Failure(const std::string& what) {
    return what + ": " + std::strerror(errno);
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

std::optional<std::string> LineMismatch(PortKind kind, const termios& asked,
                                        std::uint32_t askedBaud, const PortLine& has) {
    if (!SpeedKept(askedBaud, has.speed.output)) {
        return Mismatch("baud rate", std::to_string(askedBaud), std::to_string(has.speed.output));
    }
    if (!SpeedKept(askedBaud, has.speed.input)) {
        return Mismatch("input baud rate", std::to_string(askedBaud),
                        std::to_string(has.speed.input));
    }
    for (const KeptSetting& setting : kKeptSettings) {
        if (kind == PortKind::PseudoTerminal && !setting.keptByPseudoTerminal) {
            continue;
        }
        std::string wanted = TextOf(setting, asked.c_cflag);
        std::string kept = TextOf(setting, has.record.c_cflag);
        if (wanted != kept) {
            return Mismatch(setting.name, wanted, kept);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ApplyLine(int fd, const termios& record, std::uint32_t baud) {
    if (baud < kMinBaudRate || baud > kMaxBaudRate) {
        return "baud rate " + std::to_string(baud) + " asked, a port takes " +
               std::to_string(kMinBaudRate) + " to " + std::to_string(kMaxBaudRate);
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
    std::optional<std::string> failure;
    if (tcsetattr(fd, TCSANOW, &applied) != 0) {
        failure = Failure("line settings refused");
    }
    if (!SpeedFor(baud) && !SetSpeedByNumber(fd, baud) && !failure) {
        failure = Failure("baud rate " + std::to_string(baud) + " refused");
    }
    PortLine has;
    std::optional<PortSpeed> speed = ReadSpeed(fd);
    if (!speed || tcgetattr(fd, &has.record) != 0) {
        return Failure("line settings cannot be read back");
    }
    has.speed = *speed;
    if (std::optional<std::string> mismatch = LineMismatch(kind, record, baud, has)) {
        return mismatch;
    }
    return failure;
}

}  // namespace dtu
