#include <termios.h>

#include <string>
#include <vector>

#include "comm_fixture.h"
#include "serial/port_control.h"

namespace dtu::test {
namespace {

class PortControlTest : public CommFixture {
protected:
    PortControlTest() { control.settings = {pty.SlavePath(), "115200", "NONE", "8", "1"}; }

    PortControl control{comm};
};

TEST_F(PortControlTest, OpenSetsTheLine) {
    const OpenError open = control.OpenPort();
    ASSERT_TRUE(open.Opened()) << open.systemText;
    EXPECT_TRUE(control.PortIsOpen());
    EXPECT_TRUE(comm.IsOpen());
    termios line{};
    ASSERT_TRUE(comm.BuiltTermios(line));
    EXPECT_EQ(line.c_cflag & CRTSCTS, 0u);
}

struct ConversionRow {
    const char* name;
    PortTexts texts;  // port name filled in by the test
    std::uint32_t interval;
    TParity parity;
    bool parityCheck;
    TByteSize byteSize;
    TStopBits stopBits;
};

// The component starts each row at Even parity with checking, 7 data bits and
// 2 stop bits, so "unchanged" is visible.
const ConversionRow kConversionRows[] = {
    {"2400",
     {"", "2400", "NONE", "8", "1"},
     150,
     TParity::None,
     false,
     TByteSize::_8,
     TStopBits::_1},
    {"4800",
     {"", "4800", "NONE", "8", "1"},
     80,
     TParity::None,
     false,
     TByteSize::_8,
     TStopBits::_1},
    {"115200",
     {"", "115200", "NONE", "8", "1"},
     60,
     TParity::None,
     false,
     TByteSize::_8,
     TStopBits::_1},
    {"300", {"", "300", "NONE", "8", "1"}, 60, TParity::None, false, TByteSize::_8, TStopBits::_1},
    {"odd", {"", "9600", "odd", "8", "1"}, 60, TParity::Odd, true, TByteSize::_8, TStopBits::_1},
    {"MARK", {"", "9600", "MARK", "8", "1"}, 60, TParity::Even, true, TByteSize::_8, TStopBits::_1},
    {"nine data bits",
     {"", "9600", "NONE", "9", "1"},
     60,
     TParity::None,
     false,
     TByteSize::_7,
     TStopBits::_1},
    {"three stop bits",
     {"", "9600", "NONE", "8", "3"},
     60,
     TParity::None,
     false,
     TByteSize::_8,
     TStopBits::_2},
};

TEST_F(PortControlTest, ConversionTable) {
    for (const ConversionRow& row : kConversionRows) {
        comm.SetParity(TParity::Even);
        comm.SetParityCheck(true);
        comm.SetByteSize(TByteSize::_7);
        comm.SetStopBits(TStopBits::_2);
        control.settings = row.texts;
        control.settings.port = pty.SlavePath();
        const OpenError open = control.OpenPort();
        ASSERT_TRUE(open.Opened()) << row.name << ": " << open.systemText;
        EXPECT_EQ(comm.ReadIntervalTimeout(), row.interval) << row.name;
        EXPECT_EQ(comm.Parity(), row.parity) << row.name;
        EXPECT_EQ(comm.ParityCheck(), row.parityCheck) << row.name;
        EXPECT_EQ(comm.ByteSize(), row.byteSize) << row.name;
        EXPECT_EQ(comm.StopBits(), row.stopBits) << row.name;
    }
}

struct BadTextRow {
    const char* name;
    std::string PortTexts::*field;
    const char* text;
    OpenFailure kind;
};

const BadTextRow kBadTextRows[] = {
    {"empty data bits", &PortTexts::dataBits, "", OpenFailure::BadDataBits},
    {"empty baud", &PortTexts::baudRate, "", OpenFailure::BadBaudRate},
    {"baud with letters", &PortTexts::baudRate, "96OO", OpenFailure::BadBaudRate},
    {"negative baud", &PortTexts::baudRate, "-9600", OpenFailure::BadBaudRate},
    {"stop bits word", &PortTexts::stopBits, "one", OpenFailure::BadStopBits},
    {"baud too large", &PortTexts::baudRate, "4294967296", OpenFailure::BadBaudRate},
};

TEST_F(PortControlTest, UnusableTextFailsAndLeavesThePortClosed) {
    for (const BadTextRow& row : kBadTextRows) {
        control.settings = {pty.SlavePath(), "115200", "NONE", "8", "1"};
        ASSERT_TRUE(control.OpenPort().Opened()) << row.name;
        control.settings.*row.field = row.text;
        const OpenError failure = control.OpenPort();
        EXPECT_FALSE(control.PortIsOpen()) << row.name;
        EXPECT_FALSE(comm.IsOpen()) << row.name;
        EXPECT_EQ(failure, FailureOf(row.kind, pty.SlavePath(), row.text)) << row.name;
    }
}

TEST_F(PortControlTest, MissingPortFailsWithTheReasonKept) {
    control.settings.port = "/dev/no-such-serial-port";
    const OpenError failure = control.OpenPort();
    EXPECT_FALSE(control.PortIsOpen());
    EXPECT_EQ(failure.kind, OpenFailure::Missing) << failure.systemText;
}

TEST_F(PortControlTest, WritesAreRefusedByWhatStandsInTheirWay) {
    EXPECT_EQ(control.Write("AT+CIVER?\r\n"), SendResult::Closed);
    ASSERT_TRUE(control.OpenPort().Opened());
    const std::string largest(65535, 'y');
    EXPECT_EQ(control.Write(std::string(65536, 'x')), SendResult::TooLong);
    EXPECT_EQ(control.Write(largest), SendResult::Sent);
    EXPECT_EQ(control.Write(""), SendResult::Sent);
    EXPECT_EQ(control.Write("a"), SendResult::Sent);
    EXPECT_EQ(pty.Read(largest.size() + 1), largest + "a");
    control.ClosePort();
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_EQ(control.Write("a"), SendResult::Closed);
}

}  // namespace
}  // namespace dtu::test
