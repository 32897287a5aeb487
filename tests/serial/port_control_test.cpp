#include <string>
#include <vector>

#include "comm_fixture.h"
#include "lang/lang_list.h"
#include "serial/port_control.h"

namespace dtu::test {
namespace {

// Records what port control shows.
class RecordingView : public PortView {
public:
    void SetPortStatus(const std::string& text) override { status = text; }
    void ShowTxLine(const std::string& text) override { txLines.push_back(text); }
    void ShowErrorLine(const std::string& text) override { errorLines.push_back(text); }
    void SetReplyTimerInterval(int milliseconds) override { timerInterval = milliseconds; }
    void ArmReplyTimer() override { timerArmed = true; }
    void DisarmReplyTimer() override { timerArmed = false; }

    std::string status;
    std::vector<std::string> txLines;
    std::vector<std::string> errorLines;
    int timerInterval = 0;
    bool timerArmed = true;
};

class PortControlTest : public CommFixture {
protected:
    PortControlTest() { control.settings = {pty.SlavePath(), "115200", "NONE", "8", "1"}; }

    RecordingView view;
    PortControl control{comm, view};
};

TEST_F(PortControlTest, OpenSetsTheLineAndShowsTheSettings) {
    ASSERT_TRUE(control.OpenPort()) << OpenErrorSummary(control.LastOpenError());
    EXPECT_TRUE(control.PortIsOpen());
    EXPECT_TRUE(comm.IsOpen());
    EXPECT_EQ(view.status, " \"" + pty.SlavePath() + "\",\"115200\",\"NONE\",\"8\",\"1\", ");
    EXPECT_EQ(view.timerInterval, 5000);
    EXPECT_FALSE(view.timerArmed);
    EXPECT_FALSE(comm.OutxCtsFlow());
    EXPECT_FALSE(comm.OutxDsrFlow());
    EXPECT_FALSE(comm.TxContinueOnXoff());
    EXPECT_EQ(comm.DtrControl(), TDtrControl::DtrDisable);
    EXPECT_EQ(comm.RtsControl(), TRtsControl::RtsDisable);
    EXPECT_EQ(control.LastOpenError().kind, OpenFailure::None);
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
        control.settings[0] = pty.SlavePath();
        ASSERT_TRUE(control.OpenPort())
            << row.name << ": " << OpenErrorSummary(control.LastOpenError());
        EXPECT_EQ(comm.ReadIntervalTimeout(), row.interval) << row.name;
        EXPECT_EQ(comm.Parity(), row.parity) << row.name;
        EXPECT_EQ(comm.ParityCheck(), row.parityCheck) << row.name;
        EXPECT_EQ(comm.ByteSize(), row.byteSize) << row.name;
        EXPECT_EQ(comm.StopBits(), row.stopBits) << row.name;
    }
}

struct BadTextRow {
    const char* name;
    std::size_t field;
    const char* text;
};

const BadTextRow kBadTextRows[] = {
    {"empty data bits", 3, ""},       {"empty baud", 1, ""},
    {"baud with letters", 1, "96OO"}, {"negative baud", 1, "-9600"},
    {"stop bits word", 4, "one"},     {"baud too large", 1, "4294967296"},
};

TEST_F(PortControlTest, UnusableTextFailsAndLeavesThePortClosed) {
    for (const BadTextRow& row : kBadTextRows) {
        control.settings = {pty.SlavePath(), "115200", "NONE", "8", "1"};
        ASSERT_TRUE(control.OpenPort()) << row.name;
        control.settings[row.field] = row.text;
        EXPECT_FALSE(control.OpenPort()) << row.name;
        EXPECT_FALSE(control.PortIsOpen()) << row.name;
        EXPECT_FALSE(comm.IsOpen()) << row.name;
        EXPECT_EQ(control.LastOpenError().kind, OpenFailure::Other) << row.name;
        EXPECT_FALSE(control.LastOpenError().systemText.empty()) << row.name;
    }
    EXPECT_TRUE(view.errorLines.empty());
}

TEST_F(PortControlTest, MissingPortFailsWithTheReasonKept) {
    control.settings[0] = "/dev/no-such-serial-port";
    EXPECT_FALSE(control.OpenPort());
    EXPECT_FALSE(control.PortIsOpen());
    EXPECT_EQ(control.LastOpenError().kind, OpenFailure::Missing)
        << OpenErrorSummary(control.LastOpenError());
}

TEST_F(PortControlTest, CloseShowsThePortNotOpenNote) {
    ASSERT_TRUE(control.OpenPort());
    control.ClosePort();
    EXPECT_FALSE(control.PortIsOpen());
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_EQ(view.status, LangText("lang_Info_ComIsOpen"));
}

TEST_F(PortControlTest, SendTextWritesEchoesAndRemembers) {
    ASSERT_TRUE(control.OpenPort());
    control.SendText("AT+CIVER?\r\n");
    control.SendAtText("CIPR=115200");
    const std::string wire = "AT+CIVER?\r\nAT+CIPR=115200\r\n";
    EXPECT_EQ(pty.Read(wire.size()), wire);
    EXPECT_EQ(view.txLines, (std::vector<std::string>{"AT+CIVER?\r\n", "AT+CIPR=115200\r\n"}));
    EXPECT_EQ(control.LastSent(), "AT+CIPR=115200\r\n");
}

TEST_F(PortControlTest, EmptyTextDoesNothing) {
    ASSERT_TRUE(control.OpenPort());
    control.SendText("+++");
    control.SendText("");
    EXPECT_EQ(view.txLines.size(), 1u);
    EXPECT_EQ(control.LastSent(), "+++");
}

TEST_F(PortControlTest, SendWhileClosedShowsTheNoteOnly) {
    control.SendText("AT+CIVER?\r\n");
    EXPECT_EQ(view.errorLines, std::vector<std::string>{LangText("lang_Info_ComIsOpen")});
    EXPECT_TRUE(view.txLines.empty());
    EXPECT_TRUE(control.LastSent().empty());
}

TEST_F(PortControlTest, TextOverSixtyFiveKilobytesIsRefusedWhole) {
    ASSERT_TRUE(control.OpenPort());
    control.SendText(std::string(65536, 'x'));
    ASSERT_EQ(view.errorLines.size(), 1u);
    EXPECT_NE(view.errorLines[0].find("65535"), std::string::npos);
    EXPECT_TRUE(view.txLines.empty());
    EXPECT_TRUE(control.LastSent().empty());

    std::string largest(65535, 'y');
    control.SendText(largest);
    control.SendText("a");
    EXPECT_EQ(pty.Read(largest.size() + 1), largest + "a");
    EXPECT_EQ(control.LastSent(), "a");
}

}  // namespace
}  // namespace dtu::test
