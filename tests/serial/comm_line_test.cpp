#include <termios.h>

#include <optional>
#include <string>

#include "comm_fixture.h"
#include "serial/line_check.h"
#include "serial/line_settings.h"
#include "serial/port_control.h"
#include "serial/port_speed.h"

namespace dtu::test {
namespace {

termios MasterSide(const PseudoTerminal& pty) {
    termios t{};
    tcgetattr(pty.Master(), &t);
    return t;
}

speed_t OutSpeed(termios t) {
    return cfgetospeed(&t);
}

speed_t InSpeed(termios t) {
    return cfgetispeed(&t);
}

termios Built(const TComm& comm) {
    termios t{};
    EXPECT_TRUE(comm.BuiltTermios(t));
    return t;
}

using CommLine = CommFixture;

TEST_F(CommLine, BaudRateChangeReachesTheOpenPortAtOnce) {
    comm.StartPort();
    EXPECT_EQ(OutSpeed(MasterSide(pty)), B9600);
    comm.SetBaudRate(115200);
    EXPECT_EQ(OutSpeed(MasterSide(pty)), B115200);
    EXPECT_EQ(InSpeed(MasterSide(pty)), B115200);
}

TEST_F(CommLine, ParityAloneWaitsForTheNextReapplication) {
    comm.StartPort();
    comm.SetParity(TParity::Even);
    EXPECT_EQ(Built(comm).c_cflag & PARENB, 0u);
    comm.SetByteSize(TByteSize::_7);
    termios t = Built(comm);
    EXPECT_EQ(t.c_cflag & (PARENB | PARODD), tcflag_t{PARENB});
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t{CS7});
}

TEST_F(CommLine, OpenAppliesRawModeAndTheSettings) {
    comm.SetBaudRate(4800);
    comm.SetStopBits(TStopBits::_2);
    comm.StartPort();
    termios t = MasterSide(pty);
    EXPECT_EQ(cfgetospeed(&t), B4800);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_NE(t.c_cflag & CSTOPB, 0u);
    EXPECT_NE(t.c_cflag & CLOCAL, 0u);
}

TEST(ComponentDefaults, MatchTheDocumentedTable) {
    QueuePoster poster;
    TComm comm(poster);
    EXPECT_EQ(comm.CommName(), "COM2");
    EXPECT_EQ(comm.BaudRate(), 9600u);
    EXPECT_EQ(comm.ByteSize(), TByteSize::_8);
    EXPECT_EQ(comm.Parity(), TParity::None);
    EXPECT_EQ(comm.StopBits(), TStopBits::_1);
    EXPECT_TRUE(LineSettings{}.hardwareFlowControl);
    EXPECT_TRUE(LineSettings{}.raiseModemLines);
    EXPECT_EQ(comm.ReadIntervalTimeout(), 10u);
    termios unused{};
    EXPECT_FALSE(comm.BuiltTermios(unused));
}

struct FramingRow {
    const char* name;
    TByteSize byteSize;
    TParity parity;
    TStopBits stopBits;
    tcflag_t cflags;  // expected within CSIZE | PARENB | PARODD | CMSPAR | CSTOPB
};

constexpr tcflag_t kFramingMask = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;

const FramingRow kFramingRows[] = {
    {"8N1", TByteSize::_8, TParity::None, TStopBits::_1, CS8},
    {"7E1", TByteSize::_7, TParity::Even, TStopBits::_1, CS7 | PARENB},
    {"7O2", TByteSize::_7, TParity::Odd, TStopBits::_2, CS7 | PARENB | PARODD | CSTOPB},
    {"5M2", TByteSize::_5, TParity::Mark, TStopBits::_2, CS5 | PARENB | PARODD | CMSPAR | CSTOPB},
    {"6S1", TByteSize::_6, TParity::Space, TStopBits::_1, CS6 | PARENB | CMSPAR},
};

TEST(BuildTermios, FramingTable) {
    for (const FramingRow& row : kFramingRows) {
        LineSettings s;
        s.byteSize = row.byteSize;
        s.parity = row.parity;
        s.stopBits = row.stopBits;
        termios t = BuildTermios(s, termios{});
        EXPECT_EQ(t.c_cflag & kFramingMask, row.cflags) << row.name;
        EXPECT_NE(t.c_cflag & CREAD, 0u) << row.name;
    }
}

TEST(BuildTermios, FlowControlAndCheckingFlags) {
    LineSettings s;
    EXPECT_NE(BuildTermios(s, termios{}).c_cflag & CRTSCTS, 0u);
    s.hardwareFlowControl = false;
    EXPECT_EQ(BuildTermios(s, termios{}).c_cflag & CRTSCTS, 0u);

    // Software flow control another program left on would swallow bytes of the answers.
    termios soft{};
    soft.c_iflag = IXON | IXOFF | IXANY;
    EXPECT_EQ(BuildTermios(s, soft).c_iflag & (IXON | IXOFF | IXANY), 0u);

    s.parityCheck = true;
    EXPECT_NE(BuildTermios(s, termios{}).c_iflag & INPCK, 0u);
}

TEST_F(CommLine, EveryOfferedRateIsReadBackFromThePort) {
    comm.SetBaudRate(14400);
    comm.StartPort();
    EXPECT_EQ(ReadSpeed(pty.Master())->output, 14400u);
    for (const char* text : kBaudRates) {
        std::uint32_t rate = static_cast<std::uint32_t>(std::stoul(text));
        comm.SetBaudRate(rate);
        std::optional<PortSpeed> speed = ReadSpeed(pty.Master());
        ASSERT_TRUE(speed.has_value());
        EXPECT_EQ(speed->output, rate) << text;
        EXPECT_EQ(speed->input, rate) << text;
    }
}

const std::uint32_t kRefusedRates[] = {0, kMinBaudRate - 1, kMaxBaudRate + 1};

TEST_F(CommLine, RateNoPortTakesIsAnOpenErrorWithItsReason) {
    for (const std::uint32_t rate : kRefusedRates) {
        comm.SetBaudRate(rate);
        try {
            comm.StartPort();
            ADD_FAILURE() << "opened at " << rate;
        } catch (const ECommsError& error) {
            EXPECT_EQ(error.Failure().kind, OpenFailure::LineSettings);
            EXPECT_EQ(error.Failure().line,
                      (LineProblem{LineSetting::BaudRate, LineTrouble::OutOfRange, LineHolder::Port,
                                   rate}));
        }
        EXPECT_FALSE(comm.IsOpen());
    }
}

TEST_F(CommLine, RefusedReapplicationThrowsAndLeavesThePortAsItWas) {
    comm.SetBaudRate(4800);
    comm.StartPort();
    EXPECT_THROW(comm.SetBaudRate(0), ECommsError);
    EXPECT_TRUE(comm.IsOpen());
    EXPECT_EQ(OutSpeed(MasterSide(pty)), B4800);
}

struct MismatchRow {
    const char* name;
    PortKind kind;
    tcflag_t asked;
    std::uint32_t askedBaud;
    tcflag_t has;
    PortSpeed hasSpeed;
    std::optional<LineProblem> problem;  // nothing when the port kept what its kind keeps
};

LineProblem PortHas(LineSetting setting, std::uint32_t asked, std::uint32_t kept) {
    return {setting, LineTrouble::NotKept, LineHolder::Port, asked, kept, 0};
}

constexpr auto kEven = static_cast<std::uint32_t>(LineParity::Even);
constexpr auto kNone = static_cast<std::uint32_t>(LineParity::None);

const MismatchRow kMismatchRows[] = {
    {"PtyForcesEightBitsNoParity",
     PortKind::PseudoTerminal,
     CS7 | PARENB | CSTOPB,
     9600,
     CS8 | CSTOPB,
     {9600, 9600},
     std::nullopt},
    {"PtyLostStopBit",
     PortKind::PseudoTerminal,
     CS8 | CSTOPB,
     9600,
     CS8,
     {9600, 9600},
     PortHas(LineSetting::StopBits, 2, 1)},
    {"PtyLostFlowControl",
     PortKind::PseudoTerminal,
     CS8 | CRTSCTS,
     9600,
     CS8,
     {9600, 9600},
     PortHas(LineSetting::FlowControl, 1, 0)},
    {"UartKeptAll",
     PortKind::Uart,
     CS7 | PARENB | PARODD,
     14400,
     CS7 | PARENB | PARODD,
     {14400, 14400},
     std::nullopt},
    {"UartRoundsItsClock", PortKind::Uart, CS8, 14400, CS8, {14397, 14397}, std::nullopt},
    {"UartKeptOldSpeed",
     PortKind::Uart,
     CS8,
     14400,
     CS8,
     {9600, 9600},
     PortHas(LineSetting::BaudRate, 14400, 9600)},
    {"UartSplitSpeed",
     PortKind::Uart,
     CS8,
     115200,
     CS8,
     {9600, 115200},
     PortHas(LineSetting::InputBaudRate, 115200, 9600)},
    {"UartCharSize",
     PortKind::Uart,
     CS5,
     9600,
     CS8,
     {9600, 9600},
     PortHas(LineSetting::DataBits, 5, 8)},
    {"UartDroppedParity",
     PortKind::Uart,
     CS7 | PARENB,
     9600,
     CS7 | PARODD,
     {9600, 9600},
     PortHas(LineSetting::Parity, kEven, kNone)},
    {"UartMarkBecameEven",
     PortKind::Uart,
     CS8 | PARENB | PARODD | CMSPAR,
     9600,
     CS8 | PARENB,
     {9600, 9600},
     PortHas(LineSetting::Parity, static_cast<std::uint32_t>(LineParity::Mark), kEven)},
};

TEST(LineMismatch, ComparesWhatThePortKindKeeps) {
    for (const MismatchRow& row : kMismatchRows) {
        termios asked{};
        asked.c_cflag = row.asked;
        PortLine has;
        has.record.c_cflag = row.has;
        has.speed = row.hasSpeed;
        EXPECT_EQ(LineMismatch(row.kind, asked, row.askedBaud, has), row.problem) << row.name;
    }
}

}  // namespace
}  // namespace dtu::test
