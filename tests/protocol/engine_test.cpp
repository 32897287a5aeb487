#include "protocol/engine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "tests/protocol/engine_fakes.h"
#include "tests/protocol/worked_example.h"

namespace dtu {
namespace {

using namespace std::chrono_literals;
using dtu::testing::FakeHost;
using dtu::testing::FakePort;
using dtu::testing::FakeTimers;
using Lines = std::vector<std::string>;

const std::string kOk = "\r\nOK\r\n";
const std::string kError = "\r\nERROR\r\n";

// The engine over a port, timers and a form in memory.
class EngineTest : public ::testing::Test {
public:
    // One block from the device, then the pause before the next line.
    void Reply(const std::string& rx) {
        engine.HandleReceived(rx);
        timers.Advance(Engine::kReopenPause);
    }
    void TimeOut() { timers.Advance(Engine::kReplyTimeout); }
    bool TimerArmed() const { return timers.Pending(Engine::kReplyTimeout); }
    const Lines& Sent() const { return port.written; }
    Lines RemainingOrders() const {
        const Lines& all = orders.Lines();
        return Lines(all.begin() + orders.OrderIndex, all.end());
    }
    void StartRun(const Lines& lines) {
        orders.ClearOrders();
        for (const std::string& line : lines) {
            orders.AddRawOrder(line);
        }
        engine.StartList();
    }
    void AnswerUntilIdle(const std::string& rx) {
        for (int guard = 0; engine.Running() && guard < 100; ++guard) {
            Reply(rx);
        }
    }

    FakePort port;
    FakeTimers timers;
    FakeHost host;
    OrderList orders;
    Engine engine{orders, port, timers, host};
};

const Lines kThreeQueries = {"AT+CIVER?\r\n", "AT+CIPR?\r\n", "AT+ICF?\r\n"};

TEST_F(EngineTest, RunOfThreeLinesMovesProgressThenShowsTheOperationsSuccessText) {
    struct Row {
        std::uint8_t operation;
        const char* key;
    };
    for (const Row row : {Row{1, "lang_Info_ReadSuccess"}, Row{2, "lang_Info_SetSuccess"},
                          Row{0, "lang_Info_DoSuccess"}, Row{7, "lang_Info_DoSuccess"}}) {
        host.progress.clear();
        port.written.clear();
        engine.CurrentOperation = row.operation;
        StartRun(kThreeQueries);
        Reply(kOk);
        Reply(kOk);
        Reply(kOk);
        EXPECT_EQ(Sent(), kThreeQueries);
        EXPECT_EQ(host.progress,
                  (std::vector<Progress>{{true, 2, 0}, {true, 2, 1}, {false, 2, 2}}));
        EXPECT_EQ(host.Last().kind, LogKind::Info);
        EXPECT_EQ(host.Last().text, row.key);
        EXPECT_EQ(host.outcomes.back().end, RunEnd::Success);
        EXPECT_EQ(host.outcomes.back().linesDone, 3);
    }
}

TEST_F(EngineTest, OneLineRunNeverShowsProgress) {
    engine.RestartDevice();
    EXPECT_EQ(Sent(), Lines{"AT+CIRESET\r\n"});
    EXPECT_TRUE(TimerArmed());
    Reply(kOk);
    EXPECT_FALSE(host.progress.front().visible);
    EXPECT_EQ(host.Last().text, "lang_Info_DoSuccess");
    EXPECT_FALSE(TimerArmed());
}

TEST_F(EngineTest, EchoAndBlocksThatAreNotFinalKeepTheTimerRunning) {
    StartRun(kThreeQueries);
    for (const std::string rx : {"AT+CIVER?\r\n", "\r\n+CIVER:V3.38\r\n", "+ok", "\x01\x02"}) {
        Reply(rx);
        EXPECT_TRUE(TimerArmed()) << rx;
        EXPECT_EQ(host.Last().kind, LogKind::Info);
    }
    EXPECT_TRUE(host.applied.empty());
    EXPECT_EQ(orders.OrderIndex, 0);
    Reply(kOk);
    EXPECT_EQ(Sent().size(), 2u);
    EXPECT_TRUE(TimerArmed());
}

TEST_F(EngineTest, CommandModeExchangeAdvancesOnTheTwoAnswers) {
    engine.EnterCommandMode();
    EXPECT_EQ(Sent(), (Lines{"+++"}));
    Reply("a");
    EXPECT_EQ(Sent(), (Lines{"+++", "a"}));
    Reply("+ok");  // not framed by CR LF
    EXPECT_EQ(host.Last().kind, LogKind::Info);
    EXPECT_EQ(orders.OrderIndex, 1);
    Reply("\r\n+ok\r\n");
    EXPECT_EQ(host.Last().text, "lang_Info_DoSuccess");
}

TEST_F(EngineTest, EchoOfOurOwnAIsShownGreenAndNotParsed) {
    engine.SendRawData("a");
    Reply("a");
    ASSERT_GE(host.log.size(), 2u);
    EXPECT_EQ(host.log[1].kind, LogKind::Rx);
    EXPECT_TRUE(host.applied.empty());
}

TEST_F(EngineTest, ErrorsSkipTheLineAndTheVerdictNamesThem) {
    const Lines five = {"AT+A=1\r\n", "AT+B?\r\n", "AT+C=2\r\n", "AT+D\r\n", "AT+E=3\r\n"};
    engine.CurrentOperation = 2;
    StartRun(five);
    Reply(kOk);
    Reply(kOk);
    Reply(kError);
    EXPECT_EQ(host.log[host.log.size() - 2].kind, LogKind::Error);
    EXPECT_EQ(Sent(), (Lines{"AT+A=1\r\n", "AT+B?\r\n", "AT+C=2\r\n", "AT+D\r\n"}));
    Reply("+CME ERROR: 4");
    EXPECT_EQ(Sent().back(), "AT+E=3\r\n");
    Reply("\r\nUNKNOWN\r\n");
    EXPECT_EQ(Sent().size(), 5u);
    EXPECT_EQ(host.Last().kind, LogKind::Error);
    EXPECT_EQ(host.Last().text, "lang_Run_Refused");  // no table: the key stands for the text
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].end, RunEnd::Incomplete);
    EXPECT_EQ(host.outcomes[0].refused, (Lines{"C", "D", "E"}));
    EXPECT_FALSE(host.progress.back().visible);
    EXPECT_FALSE(TimerArmed());
}

TEST_F(EngineTest, SilentLineGetsATimedEscapeAndTheLineAgain) {
    engine.ReadAll();
    Reply(kOk);
    EXPECT_EQ(Sent(), (Lines{"AT+CIVER?\r\n", "AT+CIPR?\r\n"}));
    TimeOut();
    EXPECT_EQ(Sent().back(), "+++");
    EXPECT_EQ(RemainingOrders(),
              (Lines{"+++", "a", "AT+CIPR?\r\n", "AT+ICF?\r\n", "AT+CIPSCONT?\r\n"}));
    EXPECT_TRUE(TimerArmed());
    Reply("a");
    Reply("\r\n+ok\r\n");
    EXPECT_EQ(Sent().back(), "AT+CIPR?\r\n");
    EXPECT_TRUE(TimerArmed());
    // Answered after the recovery: the next silence is recovered afresh.
    Reply(kOk);
    TimeOut();
    EXPECT_EQ(Sent().back(), "+++");
}

TEST_F(EngineTest, SilenceAfterTheRecoveryEndsTheRunAsUnanswered) {
    struct Row {
        const char* name;
        std::function<void(EngineTest&)> start;
        std::function<void(EngineTest&)> afterFirstTimeOut;
        Lines sent;
    };
    const Row rows[] = {
        {"silent to the escape",
         [](EngineTest& t) { t.engine.RestartDevice(); },
         {},
         {"AT+CIRESET\r\n", "+++"}},
        {"silent to the line sent again",
         [](EngineTest& t) { t.engine.RestartDevice(); },
         [](EngineTest& t) {
             t.Reply("a");
             t.Reply("\r\n+ok\r\n");
         },
         {"AT+CIRESET\r\n", "+++", "a", "AT+CIRESET\r\n"}},
        {"silent to the user's own escape",
         [](EngineTest& t) { t.engine.EnterCommandMode(); },
         {},
         {"+++", "+++"}},
    };
    for (const Row& row : rows) {
        port.written.clear();
        host.outcomes.clear();
        row.start(*this);
        TimeOut();
        if (row.afterFirstTimeOut) {
            row.afterFirstTimeOut(*this);
        }
        TimeOut();
        EXPECT_EQ(Sent(), row.sent) << row.name;
        ASSERT_EQ(host.outcomes.size(), 1u) << row.name;
        EXPECT_EQ(host.outcomes[0].end, RunEnd::NoAnswer) << row.name;
        EXPECT_EQ(host.Last().text, "lang_Run_NoAnswer") << row.name;
        TimeOut();
        EXPECT_EQ(Sent(), row.sent) << row.name;
    }
}

TEST_F(EngineTest, EveryRunEndsWithExactlyOneVerdict) {
    struct Row {
        const char* name;
        std::function<void(EngineTest&)> run;
        RunEnd end;
        LogKind lastKind;
    };
    const Row rows[] = {
        {"every line answered", [](EngineTest& t) { t.AnswerUntilIdle(kOk); }, RunEnd::Success,
         LogKind::Info},
        {"a line refused",
         [](EngineTest& t) {
             t.Reply(kError);
             t.AnswerUntilIdle(kOk);
         },
         RunEnd::Incomplete, LogKind::Error},
        {"a reply with a NUL",
         [](EngineTest& t) {
             t.Reply(std::string("\r\n+CIVER:V3.3\0\r\nOK\r\n", 20));
             t.AnswerUntilIdle(kOk);
         },
         RunEnd::Incomplete, LogKind::Error},
        {"noise only",
         [](EngineTest& t) {
             t.Reply("\xFF\x13");
             t.TimeOut();
             t.Reply("~~");
             t.TimeOut();
         },
         RunEnd::NoAnswer, LogKind::Error},
        {"the port refuses a write",
         [](EngineTest& t) {
             t.port.lost = true;
             t.Reply(kOk);
         },
         RunEnd::PortLost, LogKind::Error},
        {"the port hangs up", [](EngineTest& t) { t.engine.HandlePortLost(); }, RunEnd::PortLost,
         LogKind::Error},
        {"a new action", [](EngineTest& t) { t.engine.BeginAction(); }, RunEnd::Interrupted,
         LogKind::Error},
    };
    for (const Row& row : rows) {
        port = FakePort();
        host = FakeHost();
        EngineTest& t = *this;
        t.engine.CurrentOperation = 1;
        t.engine.ReadAll();
        row.run(t);
        ASSERT_EQ(t.host.outcomes.size(), 1u) << row.name;
        EXPECT_EQ(t.host.outcomes[0].end, row.end) << row.name;
        EXPECT_EQ(t.host.Last().kind, row.lastKind) << row.name;
        EXPECT_FALSE(t.host.progress.empty() || t.host.progress.back().visible) << row.name;
        EXPECT_FALSE(t.engine.Running()) << row.name;
        EXPECT_FALSE(TimerArmed()) << row.name;
        t.engine.BeginAction();
        EXPECT_EQ(t.host.outcomes.size(), 1u) << row.name;
    }
}

TEST_F(EngineTest, LostPortIsClosedAndLaterSendsShowTheNote) {
    StartRun(kThreeQueries);
    port.lost = true;
    Reply(kOk);
    EXPECT_FALSE(port.open);
    EXPECT_EQ(host.portChanged, 1);
    EXPECT_EQ(host.Lines(LogKind::Error), Lines{"lang_Run_PortLost"});
    engine.SendRawData("x");
    EXPECT_EQ(host.Last().text, "lang_Info_ComIsOpen");
}

TEST_F(EngineTest, ClosedPortShowsTheNoteOnceAndArmsNothing) {
    port.open = false;
    engine.SendRawData("x");
    EXPECT_EQ(host.log.size(), 1u);
    EXPECT_EQ(host.Last().kind, LogKind::Error);
    EXPECT_EQ(host.Last().text, "lang_Info_ComIsOpen");

    engine.RestartDevice();
    EXPECT_EQ(host.log.size(), 2u);
    EXPECT_EQ(host.Last().text, "lang_Info_ComIsOpen");
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].end, RunEnd::NotOpen);
    EXPECT_FALSE(TimerArmed());
}

TEST_F(EngineTest, TextOverSixteenBitsIsRefusedAndAListLineIsCountedAsRefused) {
    const std::string huge(70000, 'x');
    engine.SendRawData(huge);
    EXPECT_EQ(host.Last().text, "lang_Info_TooLong");
    EXPECT_TRUE(engine.LastSent().empty());
    EXPECT_FALSE(TimerArmed());

    orders.ClearOrders();
    orders.AddSetOrder("HTPHD", huge);
    orders.AddRawOrder("ATW\r\n");
    engine.StartList();
    timers.Advance(Engine::kLinePause);
    EXPECT_EQ(Sent(), Lines{"ATW\r\n"});
    Reply(kOk);
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].refused, Lines{"HTPHD"});
}

TEST_F(EngineTest, ReadAllWithFamilyOneSendsFourQueries) {
    engine.CurrentOperation = 1;
    engine.ReadAll();
    Reply("\r\n+CIVER:V3.36\r\n\r\nOK\r\n");
    EXPECT_EQ(host.familyControls, std::vector<bool>{false});
    AnswerUntilIdle(kOk);
    EXPECT_EQ(Sent().size(), 4u);
    EXPECT_EQ(host.Last().text, "lang_Info_ReadSuccess");
}

TEST_F(EngineTest, ReadAllWithFamilyTwoAppendsQueriesAndCountsThemAtOnce) {
    struct Row {
        int workMode;
        std::size_t queries;
    };
    for (const Row row : {Row{0, 8}, Row{3, 7}, Row{1, 4}}) {
        port.written.clear();
        host.progress.clear();
        host.form.cbb_WorkMode = row.workMode;
        engine.CurrentOperation = 1;
        engine.ReadAll();
        Reply("\r\n+CIVER:V3.38\r\n\r\nOK\r\n");
        ASSERT_FALSE(host.progress.empty());
        EXPECT_EQ(host.progress.front(), (Progress{true, static_cast<int>(row.queries) - 1, 0}));
        AnswerUntilIdle(kOk);
        EXPECT_EQ(Sent().size(), row.queries) << row.workMode;
        EXPECT_EQ(host.Last().text, "lang_Info_ReadSuccess");
    }
}

TEST_F(EngineTest, ReadAllAlsoQueriesThePageOfTheModeTheDeviceReports) {
    host.form.cbb_WorkMode = 0;
    engine.CurrentOperation = 1;
    engine.ReadAll();
    Reply("\r\n+CIVER:V3.38\r\n\r\nOK\r\n");
    Reply(kOk);
    Reply(kOk);
    Reply("\r\n+CIMOD:\"3\"\r\n+CIMOD:\"3\"\r\n\r\nOK\r\n");
    AnswerUntilIdle(kOk);
    EXPECT_EQ(Sent(), (Lines{"AT+CIVER?\r\n", "AT+CIPR?\r\n", "AT+ICF?\r\n", "AT+CIPSCONT?\r\n",
                             "AT+CLOUDEN?\r\n", "AT+CLOUDID?\r\n", "AT+CACHE?\r\n", "AT+RESOC?\r\n",
                             "AT+HTPURL?\r\n", "AT+HTPHD?\r\n", "AT+HTPTP?\r\n"}));
    EXPECT_EQ(host.outcomes.back().end, RunEnd::Success);
}

TEST_F(EngineTest, VersionQueryOutsideAListOnlyChangesTheControls) {
    engine.CurrentOperation = 0;
    engine.SendQuery("CIVER");
    EXPECT_FALSE(TimerArmed());
    Reply("\r\nV3.38\r\nOK\r\n");
    EXPECT_EQ(host.familyControls, std::vector<bool>{true});
    EXPECT_EQ(orders.OrderCount(), 0);
    EXPECT_EQ(host.Last().text, "lang_Info_DoSuccess");
    EXPECT_TRUE(host.outcomes.empty());
}

TEST_F(EngineTest, WriteAllOfTheWorkedExampleSendsEighteenLines) {
    host.form = WorkedExampleForm();
    engine.CurrentOperation = 2;
    engine.WriteAll();
    Reply("\r\n+CIVER:V3.38\r\n\r\nOK\r\n");
    AnswerUntilIdle(kOk);
    EXPECT_EQ(Sent(), WorkedExampleLines());
    EXPECT_EQ(host.Last().text, "lang_Info_SetSuccess");
    EXPECT_EQ(host.progress.front(), (Progress{true, 17, 0}));
    EXPECT_EQ(port.reopens.size(), 2u);

    std::vector<std::chrono::milliseconds> pauses;
    for (const auto delay : timers.started) {
        if (delay != Engine::kReplyTimeout) {
            pauses.push_back(delay);
        }
    }
    std::vector<std::chrono::milliseconds> expected(17, Engine::kLinePause);
    expected[15] = Engine::kReopenPause;  // after the ICF answer
    expected[16] = Engine::kReopenPause;  // after the CIPR answer
    EXPECT_EQ(pauses, expected);
}

TEST_F(EngineTest, AcknowledgedUartChangeReopensThePortWithTheFormsTexts) {
    host.form.cbb_Com_ParityText = "EVEN";
    host.form.cbb_Com_ByteText = "7";
    host.form.cbb_Com_StopText = "2";
    host.form.cbb_Com_BaudRate = "9600";
    StartRun({"AT+ICF=4,1\r\n", "AT+CIPR=9600\r\n", "ATW\r\n"});
    Reply(kOk);
    ASSERT_EQ(port.reopens.size(), 1u);
    EXPECT_FALSE(port.reopens[0].baudRate);
    EXPECT_EQ(port.reopens[0].parity, "EVEN");
    EXPECT_EQ(port.reopens[0].dataBits, "7");
    EXPECT_EQ(port.reopens[0].stopBits, "2");
    Reply(kOk);
    ASSERT_EQ(port.reopens.size(), 2u);
    EXPECT_EQ(port.reopens[1].baudRate, "9600");
    EXPECT_FALSE(port.reopens[1].parity);
    EXPECT_EQ(host.portChanged, 2);
    EXPECT_EQ(Sent().back(), "ATW\r\n");
    EXPECT_TRUE(TimerArmed());
}

TEST_F(EngineTest, FailedReopenEndsTheRunWithThePortClosed) {
    port.failReopen = true;
    StartRun({"AT+ICF=3,3\r\n", "ATW\r\n"});
    Reply(kOk);
    EXPECT_FALSE(port.open);
    EXPECT_EQ(host.portChanged, 1);
    EXPECT_EQ(Sent().size(), 1u);
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].end, RunEnd::ReopenFailed);
    EXPECT_EQ(host.outcomes[0].reason, "no such port");
    EXPECT_EQ(host.Last().text, "lang_Run_ReopenFailed");
    EXPECT_FALSE(TimerArmed());
}

TEST_F(EngineTest, OnlyAnExactUartSetPrefixReopens) {
    for (const char* line : {"at+icf=3,3\r\n", "AT+ICF?\r\n", "AT+CIPR?\r\n", " AT+CIPR=1\r\n"}) {
        StartRun({line});
        Reply(kOk);
        EXPECT_TRUE(port.reopens.empty()) << line;
    }
}

TEST_F(EngineTest, NewActionInterruptsTheRunAfterTheLinesDone) {
    StartRun(kThreeQueries);
    Reply(kOk);
    engine.CurrentOperation = 2;
    engine.BeginAction();
    EXPECT_EQ(engine.CurrentOperation, kOtherOperation);
    EXPECT_EQ(host.Last().text, "lang_Run_Interrupted");
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].linesDone, 1);
    EXPECT_EQ(host.outcomes[0].linesTotal, 3);
    EXPECT_FALSE(TimerArmed());
    // A late answer to the abandoned line advances nothing.
    Reply(kOk);
    EXPECT_EQ(Sent().size(), 2u);
}

TEST_F(EngineTest, NewListWaitsForTheAnswerTheReplacedRunLeftOutstanding) {
    struct Row {
        const char* name;
        std::function<void(EngineTest&)> settle;
    };
    const Row rows[] = {
        {"the late answer comes", [](EngineTest& t) { t.Reply("\r\n+CIVER:V3.38\r\nOK\r\n"); }},
        {"it never comes", [](EngineTest& t) { t.timers.Advance(Engine::kSettleTime); }},
    };
    for (const Row& row : rows) {
        port.written.clear();
        host = FakeHost();
        StartRun(kThreeQueries);
        engine.BeginAction();
        engine.RestartDevice();
        EXPECT_EQ(Sent(), Lines{"AT+CIVER?\r\n"}) << row.name;
        row.settle(*this);
        EXPECT_TRUE(host.applied.empty()) << row.name;
        EXPECT_EQ(Sent().back(), "AT+CIRESET\r\n") << row.name;
        Reply(kOk);
        ASSERT_EQ(host.outcomes.size(), 2u) << row.name;
        EXPECT_EQ(host.outcomes[1].end, RunEnd::Success) << row.name;
    }
}

TEST_F(EngineTest, DirectSendsLeaveTheListAlone) {
    StartRun(kThreeQueries);
    engine.SendSet("CIPR", "9600");
    engine.SendQuery("ICF");
    engine.SendRawData("free text\r");
    EXPECT_EQ(Sent(), (Lines{"AT+CIVER?\r\n", "AT+CIPR=9600\r\n", "AT+ICF?\r\n", "free text\r"}));
    EXPECT_EQ(orders.OrderCount(), 3);

    engine.BeginAction();
    engine.ExitToDataMode();
    EXPECT_EQ(Sent().back(), "AT+ENTM\r\n");
    EXPECT_EQ(orders.OrderCount(), 0);
    Reply(kOk);  // the abandoned version query's answer
    Reply(kOk);
    EXPECT_EQ(host.Last().text, "lang_Info_DoSuccess");
}

TEST_F(EngineTest, SmsNumberLosesBlanksAndMessageLosesCrLf) {
    host.form.edt_Sms_TelNo = "12 34";
    host.form.mmo_Sms_Msg = "hi, \"you\"\r\nthere\xD6\xD0";
    engine.SendSms();
    EXPECT_EQ(Sent(), Lines{"AT+CISMSSEND=1234,3,hi, \"you\"there\xD6\xD0\r\n"});
    EXPECT_FALSE(TimerArmed());

    host.log.clear();
    host.form.edt_Sms_TelNo = "  ";
    engine.SendSms();
    host.form.edt_Sms_TelNo = "1";
    host.form.mmo_Sms_Msg = "\r\n";
    engine.SendSms();
    EXPECT_TRUE(host.log.empty());
}

TEST_F(EngineTest, FactoryResetBlanksTheFormAndReloads) {
    engine.FactoryReset();
    EXPECT_EQ(host.factoryResets, 1);
    EXPECT_EQ(Sent(), Lines{"AT+CIRELOAD\r\n"});
    Reply(kOk);
    EXPECT_EQ(host.Last().text, "lang_Info_DoSuccess");
}

TEST_F(EngineTest, ValueTheFormRefusesDoesNotStopTheRun) {
    host.throwOnName = "CIPR";
    StartRun(kThreeQueries);
    Reply("\r\n+CIPR:abc\r\n+ICF:3,3\r\n\r\nOK\r\n");
    EXPECT_EQ(host.applied.size(), 2u);
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
