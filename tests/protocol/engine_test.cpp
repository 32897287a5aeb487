#include "protocol/engine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "tests/protocol/discarding_poster.h"
#include "tests/protocol/fake_window.h"
#include "tests/protocol/pty_pair.h"
#include "tests/protocol/worked_example.h"

namespace dtu {
namespace {

using namespace std::chrono_literals;
using dtu::testing::Colour;
using dtu::testing::DiscardingPoster;
using dtu::testing::FakeWindow;
using dtu::testing::ProgressStep;
using dtu::testing::PtyPair;
using Lines = std::vector<std::string>;

const std::string kOk = "\r\nOK\r\n";
const std::string kError = "\r\nERROR\r\n";

// The engine over a port open on a pseudo-terminal, with a fake form whose reply
// timer the tests fire by hand.
class EngineTest : public ::testing::Test {
protected:
    EngineTest() {
        window.engine = &engine;
        port.settings = {pty.SlavePath(), "115200", "NONE", "8", "1"};
        window.form.cbb_Com_BaudRate = "115200";
        window.form.cbb_Com_ParityText = "NONE";
        window.form.cbb_Com_ByteText = "8";
        window.form.cbb_Com_StopText = "1";
        if (!port.OpenPort()) {
            ADD_FAILURE() << "cannot open " << pty.SlavePath() << ": "
                          << OpenErrorSummary(port.LastOpenError());
        }
        window.shown.clear();
    }

    void Reply(const std::string& rx) {
        engine.HandleReceived(rx.data(), static_cast<std::uint16_t>(rx.size()));
    }
    void FireTimerIfArmed() {
        if (window.timerArmed) {
            engine.HandleReplyTimeout();
        }
    }
    Lines Sent() const { return window.Lines(Colour::Tx); }
    Lines RemainingOrders() const {
        const Lines& all = orders.Lines();
        return Lines(all.begin() + orders.OrderIndex, all.end());
    }
    void StartRun(const Lines& lines) {
        orders.ClearOrders();
        for (const std::string& line : lines) {
            orders.AddRawOrder(line);
        }
        engine.SendCurrentOrder();
    }

    PtyPair pty;
    DiscardingPoster poster;
    TComm comm{poster};
    FakeWindow window;
    PortControl port{comm, window};
    OrderList orders;
    std::vector<std::chrono::milliseconds> sleeps;
    Engine engine{orders, port, window,
                  [this](std::chrono::milliseconds d) { sleeps.push_back(d); }};
};

const Lines kThreeQueries = {"AT+CIVER?\r\n", "AT+CIPR?\r\n", "AT+ICF?\r\n"};

TEST_F(EngineTest, RunOfThreeLinesMovesProgressThenShowsTheOperationsSuccessText) {
    struct Row {
        std::uint8_t operation;
        const char* key;
    };
    for (const Row row : {Row{1, "lang_Info_ReadSuccess"}, Row{2, "lang_Info_SetSuccess"},
                          Row{0, "lang_Info_DoSuccess"}, Row{7, "lang_Info_DoSuccess"}}) {
        window.progressSteps.clear();
        window.shown.clear();
        engine.CurrentOperation = row.operation;
        StartRun(kThreeQueries);
        Reply(kOk);
        Reply(kOk);
        Reply(kOk);
        EXPECT_EQ(Sent(), kThreeQueries);
        EXPECT_EQ(window.progressSteps, (std::vector<ProgressStep>{{0, 2}, {1, 2}, {2, 2}}));
        EXPECT_FALSE(window.progressVisible);
        EXPECT_EQ(window.Last().colour, Colour::Info);
        EXPECT_EQ(window.Last().text, row.key);
    }
}

TEST_F(EngineTest, OneLineRunNeverShowsProgress) {
    engine.RestartDevice();
    EXPECT_EQ(Sent(), Lines{"AT+CIRESET\r\n"});
    EXPECT_TRUE(window.timerArmed);
    Reply(kOk);
    EXPECT_TRUE(window.progressSteps.empty());
    EXPECT_EQ(window.Last().text, "lang_Info_DoSuccess");
    EXPECT_FALSE(window.timerArmed);
}

TEST_F(EngineTest, EchoOfTheLastLineKeepsTheTimerAndWaits) {
    StartRun(kThreeQueries);
    Reply("AT+CIVER?\r\n");
    EXPECT_TRUE(window.timerArmed);
    EXPECT_EQ(window.Last().colour, Colour::Info);
    EXPECT_EQ(orders.OrderIndex, 0);
    EXPECT_EQ(Sent().size(), 1u);
}

TEST_F(EngineTest, BlockNeitherSuccessNorErrorStallsTheRun) {
    StartRun(kThreeQueries);
    Reply("\r\n+CIVER:V3.38\r\n");  // first half of a split answer
    EXPECT_FALSE(window.timerArmed);
    EXPECT_EQ(window.Last().colour, Colour::Info);
    EXPECT_TRUE(window.dispatched.empty());
    Reply(kOk);
    EXPECT_EQ(Sent().size(), 2u);
    EXPECT_TRUE(window.timerArmed);
}

TEST_F(EngineTest, CommandModeExchangeAdvancesOnTheTwoAnswers) {
    engine.EnterCommandMode();
    EXPECT_EQ(Sent(), (Lines{"+++"}));
    Reply("a");
    EXPECT_EQ(Sent(), (Lines{"+++", "a"}));
    Reply("+ok");  // not framed by CR LF
    EXPECT_EQ(window.Last().colour, Colour::Info);
    EXPECT_EQ(orders.OrderIndex, 1);
    Reply("\r\n+ok\r\n");
    EXPECT_EQ(window.Last().text, "lang_Info_DoSuccess");
}

TEST_F(EngineTest, EchoOfOurOwnAIsShownGreenAndNotParsed) {
    engine.SendRawData("a");
    Reply("a");
    ASSERT_GE(window.shown.size(), 2u);
    EXPECT_EQ(window.shown[1].colour, Colour::Rx);
    EXPECT_TRUE(window.dispatched.empty());
}

TEST_F(EngineTest, ErrorsSkipTheLineAndSendTheNextAtOnce) {
    const Lines five = {"AT+A\r\n", "AT+B\r\n", "AT+C\r\n", "AT+D\r\n", "AT+E\r\n"};
    engine.CurrentOperation = 2;
    StartRun(five);
    Reply(kOk);
    Reply(kOk);
    Reply(kError);
    EXPECT_EQ(window.shown[window.shown.size() - 2].colour, Colour::Error);
    EXPECT_EQ(Sent(), (Lines{"AT+A\r\n", "AT+B\r\n", "AT+C\r\n", "AT+D\r\n"}));
    Reply("+CME ERROR: 4");
    EXPECT_EQ(Sent().back(), "AT+E\r\n");
    Reply("\r\nUNKNOWN\r\n");
    // The last line failed: nothing more, no success text, the bar as it was.
    EXPECT_EQ(Sent().size(), 5u);
    EXPECT_EQ(window.Last().colour, Colour::Error);
    EXPECT_TRUE(window.progressVisible);
    EXPECT_EQ(orders.OrderIndex, 5);
    EXPECT_FALSE(window.timerArmed);
}

TEST_F(EngineTest, SilentLineGetsEscapeAckAndTheLineAgain) {
    engine.ReadAll();
    Reply(kOk);
    EXPECT_EQ(pty.Read(21, 5s), "AT+CIVER?\r\nAT+CIPR?\r\n");
    ASSERT_TRUE(window.timerArmed);
    FireTimerIfArmed();
    EXPECT_EQ(pty.Read(3, 2s), "+++");
    EXPECT_EQ(RemainingOrders(),
              (Lines{"+++", "a", "AT+CIPR?\r\n", "AT+ICF?\r\n", "AT+CIPSCONT?\r\n"}));
    // The recovery's own escape is not timed.
    EXPECT_FALSE(window.timerArmed);
    Reply("a");
    Reply("\r\n+ok\r\n");
    EXPECT_EQ(Sent().back(), "AT+CIPR?\r\n");
    EXPECT_TRUE(window.timerArmed);
}

TEST_F(EngineTest, SilentEscapeIsNotRecoveredTwice) {
    engine.EnterCommandMode();
    FireTimerIfArmed();
    // "+++" at the index stays the only escape and goes out once more, untimed.
    EXPECT_EQ(orders.Lines(), (Lines{"+++", "a"}));
    EXPECT_EQ(Sent(), (Lines{"+++", "+++"}));
    EXPECT_FALSE(window.timerArmed);
    FireTimerIfArmed();
    EXPECT_EQ(Sent().size(), 2u);
}

TEST_F(EngineTest, ClosedPortShowsTheNoteAndStillArmsForListLines) {
    port.ClosePort();
    window.shown.clear();
    engine.SendRawData("x");
    EXPECT_EQ(window.shown.size(), 1u);
    EXPECT_EQ(window.Last().colour, Colour::Error);
    EXPECT_EQ(window.Last().text, "lang_Info_ComIsOpen");
    EXPECT_FALSE(window.timerArmed);

    engine.RestartDevice();
    EXPECT_EQ(window.shown.size(), 2u);
    EXPECT_TRUE(window.timerArmed);
    FireTimerIfArmed();
    EXPECT_EQ(window.shown.size(), 3u);
    EXPECT_EQ(window.Last().text, "lang_Info_ComIsOpen");
    EXPECT_FALSE(window.timerArmed);
}

TEST_F(EngineTest, TextOverSixteenBitsIsRefusedAndTheRunStaysAsItWas) {
    StartRun(kThreeQueries);
    Reply("\r\n+CIPR:1\r\n");  // stalls the run: nothing outstanding is timed
    const std::string lastSent = port.LastSent();
    const std::string huge(70000, 'x');
    engine.SendRawData(huge);
    EXPECT_EQ(window.Last().colour, Colour::Error);
    EXPECT_EQ(port.LastSent(), lastSent);
    EXPECT_FALSE(window.timerArmed);

    orders.ClearOrders();
    orders.AddSetOrder("HTPHD", huge);
    engine.SendCurrentOrder();
    EXPECT_EQ(window.Last().colour, Colour::Error);
    EXPECT_FALSE(window.timerArmed);
    EXPECT_EQ(orders.OrderIndex, 0);
    EXPECT_EQ(port.LastSent(), lastSent);
}

TEST_F(EngineTest, ReadAllWithFamilyOneSendsFourQueries) {
    engine.CurrentOperation = 1;
    engine.ReadAll();
    Reply("\r\n+CIVER:V3.36\r\n\r\nOK\r\n");
    EXPECT_EQ(window.familyControls, std::vector<bool>{false});
    for (int i = 0; i < 3; ++i) {
        Reply(kOk);
    }
    EXPECT_EQ(Sent().size(), 4u);
    EXPECT_EQ(window.Last().text, "lang_Info_ReadSuccess");
}

TEST_F(EngineTest, ReadAllWithFamilyTwoAppendsQueriesAndCountsThemAtOnce) {
    struct Row {
        int workMode;
        std::size_t queries;
    };
    for (const Row row : {Row{0, 8}, Row{3, 7}, Row{1, 4}}) {
        window.shown.clear();
        window.progressSteps.clear();
        window.form.cbb_WorkMode = row.workMode;
        engine.CurrentOperation = 1;
        engine.ReadAll();
        Reply("\r\n+CIVER:V3.38\r\n\r\nOK\r\n");
        ASSERT_FALSE(window.progressSteps.empty());
        EXPECT_EQ(window.progressSteps.front(),
                  (ProgressStep{0, static_cast<int>(row.queries) - 1}));
        while (window.timerArmed) {
            Reply(kOk);
        }
        EXPECT_EQ(Sent().size(), row.queries) << row.workMode;
        EXPECT_EQ(window.Last().text, "lang_Info_ReadSuccess");
    }
}

TEST_F(EngineTest, VersionQueryOutsideAListOnlyChangesTheControls) {
    engine.CurrentOperation = 0;
    engine.SendQuery("CIVER");
    EXPECT_FALSE(window.timerArmed);
    Reply("\r\nV3.38\r\nOK\r\n");
    EXPECT_EQ(window.familyControls, std::vector<bool>{true});
    EXPECT_EQ(orders.OrderCount(), 0);
    EXPECT_EQ(window.Last().text, "lang_Info_DoSuccess");
}

TEST_F(EngineTest, WriteAllOfTheWorkedExampleSendsEighteenLines) {
    window.form = WorkedExampleForm();
    engine.CurrentOperation = 2;
    engine.WriteAll();
    // Like the device, answer each line only once it has arrived.
    std::string wire = pty.Read(Sent().back().size(), 5s);
    Reply("\r\n+CIVER:V3.38\r\n\r\nOK\r\n");
    while (window.timerArmed) {
        wire += pty.Read(Sent().back().size(), 5s);
        Reply(kOk);
    }
    EXPECT_EQ(Sent(), WorkedExampleLines());
    EXPECT_EQ(window.Last().text, "lang_Info_SetSuccess");
    EXPECT_EQ(window.progressSteps.front(), (ProgressStep{0, 17}));

    std::string allLines;
    for (const std::string& line : WorkedExampleLines()) {
        allLines += line;
    }
    // The port was reopened twice on the way; every byte reached the line.
    EXPECT_EQ(wire, allLines);

    std::vector<std::chrono::milliseconds> expectedSleeps(18, 1ms);
    expectedSleeps.insert(expectedSleeps.begin() + 16, 200ms);  // after the ICF answer
    expectedSleeps.insert(expectedSleeps.begin() + 18, 200ms);  // after the CIPR answer
    EXPECT_EQ(sleeps, expectedSleeps);
}

TEST_F(EngineTest, AcknowledgedUartChangeReopensThePortWithTheFormsTexts) {
    window.form.cbb_Com_ParityText = "EVEN";
    window.form.cbb_Com_ByteText = "7";
    window.form.cbb_Com_StopText = "2";
    window.form.cbb_Com_BaudRate = "9600";
    StartRun({"AT+ICF=4,1\r\n", "AT+CIPR=9600\r\n", "ATW\r\n"});
    sleeps.clear();
    Reply(kOk);
    EXPECT_EQ(port.settings, (PortTexts{pty.SlavePath(), "115200", "EVEN", "7", "2"}));
    EXPECT_TRUE(port.PortIsOpen());
    EXPECT_EQ(comm.ByteSize(), TByteSize::_7);
    EXPECT_EQ(comm.Parity(), TParity::Even);
    EXPECT_EQ(comm.StopBits(), TStopBits::_2);
    Reply(kOk);
    EXPECT_EQ(port.settings[1], "9600");
    EXPECT_EQ(comm.BaudRate(), 9600u);
    EXPECT_EQ(sleeps, (std::vector<std::chrono::milliseconds>{200ms, 1ms, 200ms, 1ms}));
    EXPECT_EQ(Sent().back(), "ATW\r\n");
    EXPECT_TRUE(window.timerArmed);
}

TEST_F(EngineTest, FailedReopenSkipsThePauseAndTheNextLineIsRefused) {
    window.form.cbb_Com_ByteText = "";
    StartRun({"AT+ICF=3,3\r\n", "ATW\r\n"});
    sleeps.clear();
    Reply(kOk);
    EXPECT_FALSE(port.PortIsOpen());
    EXPECT_EQ(sleeps, std::vector<std::chrono::milliseconds>{1ms});
    EXPECT_EQ(window.Last().text, "lang_Info_ComIsOpen");
    EXPECT_TRUE(window.timerArmed);
}

TEST_F(EngineTest, OnlyAnExactUartSetPrefixReopens) {
    for (const char* line : {"at+icf=3,3\r\n", "AT+ICF?\r\n", "AT+CIPR?\r\n", " AT+CIPR=1\r\n"}) {
        StartRun({line});
        window.form.cbb_Com_BaudRate = "abc";  // a reopen would fail and close the port
        Reply(kOk);
        EXPECT_TRUE(port.PortIsOpen()) << line;
    }
}

TEST_F(EngineTest, OkToADirectSendAdvancesAStalledRun) {
    StartRun(kThreeQueries);
    Reply("garbage");
    engine.SendAtCommand("CSQ");
    EXPECT_EQ(Sent().back(), "AT+CSQ\r\n");
    EXPECT_FALSE(window.timerArmed);
    Reply(kOk);
    EXPECT_EQ(Sent().back(), "AT+CIPR?\r\n");
}

TEST_F(EngineTest, DirectSendsLeaveTheListAlone) {
    StartRun(kThreeQueries);
    engine.SendSet("CIPR", "9600");
    engine.SendQuery("ICF");
    engine.SendRawData("free text\r");
    EXPECT_EQ(Sent(), (Lines{"AT+CIVER?\r\n", "AT+CIPR=9600\r\n", "AT+ICF?\r\n", "free text\r"}));
    EXPECT_EQ(orders.OrderCount(), 3);

    engine.ExitToDataMode();
    EXPECT_EQ(Sent().back(), "AT+ENTM\r\n");
    EXPECT_EQ(orders.OrderCount(), 0);
    Reply(kOk);
    EXPECT_EQ(window.Last().text, "lang_Info_DoSuccess");
}

TEST_F(EngineTest, SmsNumberLosesBlanksAndMessageLosesCrLf) {
    window.form.edt_Sms_TelNo = "12 34";
    window.form.mmo_Sms_Msg = "hi, \"you\"\r\nthere\xD6\xD0";
    engine.SendSms();
    EXPECT_EQ(Sent(), Lines{"AT+CISMSSEND=1234,3,hi, \"you\"there\xD6\xD0\r\n"});
    EXPECT_FALSE(window.timerArmed);

    window.shown.clear();
    window.form.edt_Sms_TelNo = "  ";
    engine.SendSms();
    window.form.edt_Sms_TelNo = "1";
    window.form.mmo_Sms_Msg = "\r\n";
    engine.SendSms();
    EXPECT_TRUE(window.shown.empty());
}

TEST_F(EngineTest, FactoryResetBlanksTheFormAndReloads) {
    engine.FactoryReset();
    EXPECT_EQ(window.factoryResets, 1);
    EXPECT_EQ(Sent(), Lines{"AT+CIRELOAD\r\n"});
    Reply(kOk);
    EXPECT_EQ(window.Last().text, "lang_Info_DoSuccess");
}

TEST_F(EngineTest, ValueTheFormRefusesDoesNotStopTheRun) {
    window.throwOnName = "CIPR";
    StartRun(kThreeQueries);
    Reply("\r\n+CIPR:abc\r\n+ICF:3,3\r\n\r\nOK\r\n");
    EXPECT_EQ(window.dispatched.size(), 2u);
    EXPECT_EQ(Sent().back(), "AT+CIPR?\r\n");
}

TEST_F(EngineTest, HostileBlocksAreClassifiedWithoutFault) {
    using namespace std::string_literals;
    const Lines blocks = {
        "\0\0\0"s,
        "\r",
        "\n",
        "\"\r\nOK\r\n",
        "+CIVER\r\nOK\r\n" + std::string(1000, '+'),
        "\r\n+" + std::string(2000, 'N') + ":1\r\nOK\r\n",
        "\r\n+CIPSTART:" + std::string(2030, ',') + "\r\nOK\r\n",
        "\r\nV3.\r\nOK\r\n",
        "\r\nV3.99999999999999999999\r\nOK\r\n",
        "\r\n+CIVER:V3.38\0\r\nOK\r\n"s,
        std::string(2048, '\r'),
    };
    engine.CurrentOperation = 1;
    engine.ReadAll();
    for (const std::string& block : blocks) {
        Reply(block);
    }
    EXPECT_GE(orders.OrderIndex, 0);
    EXPECT_LE(orders.OrderCount(), 12);
}

}  // namespace
}  // namespace dtu
