#include "protocol/engine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "form/reply_apply.h"
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

// The sockets query's value lines as a device that holds every value sends them.
const Lines kSocketsPage = {
    "+CIPCFG:1,50,0,30,1,1800",
    "+CIPPACK:0,\"\",0",
    "+CIPPACK:1,\"\",0",
    "+CIPSTART:1,\"TCP\",\"h1\",2317,1",
    "+CIPSTART:2,\"UDP\",\"h2\",502,0",
    "+CIPSTART:3,\"TCP\",\"\",2317,0",
    "+CIPSTART:4,\"TCP\",\"\",2317,0",
    "+CIMOD:\"0\"",
    "+CINETAT:0",
    "+CICOMAT:0",
    "+CSTT:\"CMNET\",\"\",\"\"",
    "+CIPNUM:\"10086\"",
};

// An answer of `lines`, each ended by CR LF, then OK.
std::string Answer(const Lines& lines) {
    std::string answer = "\r\n";
    for (const std::string& line : lines) {
        answer += line + "\r\n";
    }
    return answer + kOk;
}

// The engine over a port, timers and a form in memory.
class EngineTest : public ::testing::Test {
public:
    // One receive from the device, then the longest pause before the next line.
    void Reply(const std::string& rx) {
        engine.HandleReceived(rx);
        timers.Advance(engine.LineGap() + Engine::kReopenPause);
    }
    void TimeOut() { timers.Advance(Engine::kReplyTimeout); }
    bool TimerArmed() const { return timers.Pending(Engine::kReplyTimeout); }
    const Lines& Sent() const { return port.written; }
    Lines RemainingOrders() const {
        const Lines& all = orders.Lines();
        return Lines(all.begin() + orders.Index(), all.end());
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
    // Answers every line as a device that holds a value for every query.
    void AnswerValuesUntilIdle() {
        for (int guard = 0; engine.Running() && guard < 100; ++guard) {
            const std::string& line = Sent().back();
            if (line == "AT+CIPSCONT?\r\n") {
                Lines page = kSocketsPage;
                page[7] = "+CIMOD:" + std::to_string(host.form.Item(Field::WorkMode));
                Reply(Answer(page));
                continue;
            }
            Reply(line.ends_with("?\r\n") ? "\r\n+" + LineCommandName(line) + ":1\r\n\r\nOK\r\n"
                                          : kOk);
        }
    }

    FakePort port;
    FakeTimers timers;
    FakeHost host;
    OrderList orders;
    Engine engine{orders, port, timers, host};
};

const Lines kThreeQueries = {"AT+CIVER?\r\n", "AT+CIPR?\r\n", "AT+ICF?\r\n"};
const Lines kThreeSets = {"AT+CIMOD=\"0\"\r\n", "AT+CICOMAT=0\r\n", "ATW\r\n"};

TEST_F(EngineTest, RunOfThreeLinesMovesProgressThenShowsTheOperationsSuccessText) {
    struct Row {
        std::uint8_t operation;
        const char* key;
    };
    for (const Row row : {Row{1, "lang_Info_ReadSuccess"}, Row{2, "lang_Info_SetSuccess"},
                          Row{0, "lang_Info_DoSuccess"}, Row{7, "lang_Info_DoSuccess"}}) {
        host.progress.clear();
        port.written.clear();
        engine.BeginAction(row.operation);
        StartRun(kThreeSets);
        Reply(kOk);
        Reply(kOk);
        Reply(kOk);
        EXPECT_EQ(Sent(), kThreeSets);
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

TEST_F(EngineTest, AnAnswerInPiecesIsTakenWhenItsFinalLineCame) {
    StartRun(kThreeQueries);
    for (const std::string rx : {"AT+CIVER?\r\n", "\r\nCall Ready\r\n", "\r\n+CIVER:V3.38\r\n"}) {
        Reply(rx);
        EXPECT_TRUE(TimerArmed()) << rx;
    }
    EXPECT_TRUE(host.applied.empty());
    EXPECT_EQ(Sent().size(), 1u);
    Reply(kOk);
    EXPECT_EQ(host.applied, (std::vector<ReplyValue>{{"CIVER", "V3.38"}}));
    EXPECT_EQ(host.Lines(LogKind::Rx),
              Lines{"AT+CIVER?\r\n\r\nCall Ready\r\n\r\n+CIVER:V3.38\r\n\r\nOK\r\n"});
    EXPECT_EQ(Sent().size(), 2u);
    EXPECT_TRUE(TimerArmed());
}

TEST_F(EngineTest, ASlowDeviceIsWaitedForUpToTheBound) {
    StartRun({"AT+CIPR?\r\n"});
    // A byte every 4 s: never silent for the reply time-out.
    for (const std::string rx : {"\r\n", "+CIPR:", "9600", "\r\n", "\r\nO"}) {
        timers.Advance(4s);
        engine.HandleReceived(rx);
    }
    timers.Advance(4s);
    engine.HandleReceived("K\r\n");
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].end, RunEnd::Success);

    // Bytes that never end in a final line: after the bound, the answer cannot be read.
    StartRun({"AT+CIPR?\r\n"});
    const std::chrono::milliseconds bound = Engine::kReplyBound;
    const auto receives = bound / 4s;
    for (int i = 0; i < receives; ++i) {
        timers.Advance(4s);
        engine.HandleReceived("~");
    }
    timers.Advance(bound - receives * 4s);
    ASSERT_EQ(host.outcomes.size(), 2u);
    EXPECT_EQ(host.outcomes[1].end, RunEnd::Garbled);
    EXPECT_EQ(host.log[host.log.size() - 2].text, std::string(receives, '~'));
    EXPECT_EQ(host.Last().text, "lang_Run_Garbled");
    EXPECT_EQ(Sent().back(), "AT+CIPR?\r\n");  // no escape: the device is not silent

    // A long answer on a slow line earns four times its bytes' time on the line,
    // and no more once they stop coming.
    port.baud = "1200";
    StartRun({"ATW\r\n"});
    const std::string block(500, 'h');  // 5 s at 1200 baud
    for (int i = 0; i < 12; ++i) {
        timers.Advance(4s);
        engine.HandleReceived(block);
    }
    timers.Advance(4s);
    engine.HandleReceived("\r\nOK\r\n");
    ASSERT_EQ(host.outcomes.size(), 3u);
    EXPECT_EQ(host.outcomes[2].end, RunEnd::Success);
    EXPECT_EQ(Engine::ReplyBoundFor(5000, "1200"), 200s);
    EXPECT_EQ(Engine::ReplyBoundFor(3 * kAnswerBound, "1200"),
              Engine::ReplyBoundFor(kAnswerBound, "1200"));
}

TEST_F(EngineTest, CommandModeExchangeAdvancesOnTheTwoAnswers) {
    engine.EnterCommandMode();
    EXPECT_EQ(Sent(), (Lines{"+++"}));
    Reply("a");
    EXPECT_EQ(Sent(), (Lines{"+++", "a"}));
    Reply("+ok");  // not framed by CR LF
    EXPECT_EQ(host.Last().kind, LogKind::Tx);
    EXPECT_EQ(orders.Index(), 1);
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
    const Lines five = {"AT+A=1\r\n", "AT+B=1\r\n", "AT+C=2\r\n", "AT+D\r\n", "AT+E=3\r\n"};
    engine.BeginAction(1);
    StartRun(five);
    Reply(kOk);
    Reply(kOk);
    Reply(kError);
    EXPECT_EQ(host.log[host.log.size() - 2].kind, LogKind::Error);
    EXPECT_EQ(Sent(), (Lines{"AT+A=1\r\n", "AT+B=1\r\n", "AT+C=2\r\n", "AT+D\r\n"}));
    Reply("\r\n+CME ERROR: 4\r\n");
    EXPECT_EQ(Sent().back(), "AT+E=3\r\n");
    Reply("\r\nUNKNOWN\r\n");
    EXPECT_EQ(Sent().size(), 5u);
    EXPECT_EQ(host.Last().kind, LogKind::Error);
    EXPECT_EQ(host.Last().text, "lang_Run_Refused");  // no table: the key stands for the text
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].end, RunEnd::Incomplete);
    EXPECT_EQ(host.outcomes[0].refused, (Lines{"AT+C=2\r\n", "AT+D\r\n", "AT+E=3\r\n"}));
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
        {"every line answered", [](EngineTest& t) { t.AnswerValuesUntilIdle(); }, RunEnd::Success,
         LogKind::Info},
        {"a line refused, then OK",
         [](EngineTest& t) {
             t.Reply("\r\nERROR\r\n\r\nOK\r\n");
             t.AnswerValuesUntilIdle();
         },
         RunEnd::Incomplete, LogKind::Error},
        {"a query answered by a bare OK", [](EngineTest& t) { t.AnswerUntilIdle(kOk); },
         RunEnd::Incomplete, LogKind::Error},
        {"a reply with a NUL",
         [](EngineTest& t) {
             t.Reply(std::string("\r\n+CIVER:V3.3\0\r\nOK\r\n", 20));
             t.AnswerValuesUntilIdle();
         },
         RunEnd::Incomplete, LogKind::Error},
        {"noise only",
         [](EngineTest& t) {
             t.Reply("\xFF\x13");
             t.TimeOut();
         },
         RunEnd::Garbled, LogKind::Error},
        {"silence", [](EngineTest& t) { t.TimeOut(), t.TimeOut(); }, RunEnd::NoAnswer,
         LogKind::Error},
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
        t.engine.BeginAction(1);
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
    ASSERT_EQ(host.outcomes.size(), 2u);
    EXPECT_EQ(host.outcomes[0].end, RunEnd::NotOpen);
    EXPECT_EQ(host.outcomes[1].end, RunEnd::NotOpen);
    EXPECT_FALSE(TimerArmed());
}

TEST_F(EngineTest, TextOverSixteenBitsIsRefusedAndAListLineIsCountedAsRefused) {
    const std::string huge(70000, 'x');
    engine.SendRawData(huge);
    EXPECT_EQ(host.Last().text, "lang_Info_TooLong");
    EXPECT_TRUE(engine.LastSent().empty());
    EXPECT_FALSE(TimerArmed());
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].end, RunEnd::Incomplete);

    orders.ClearOrders();
    orders.AddSetOrder("HTPHD", huge);
    orders.AddRawOrder("ATW\r\n");
    engine.StartList();
    timers.Advance(engine.LineGap());
    EXPECT_EQ(Sent(), Lines{"ATW\r\n"});
    Reply(kOk);
    ASSERT_EQ(host.outcomes.size(), 2u);
    EXPECT_EQ(host.outcomes[1].refused, Lines{"AT+HTPHD=" + huge + "\r\n"});
}

TEST_F(EngineTest, ReadAllWithFamilyOneSendsFourQueries) {
    engine.BeginAction(1);
    engine.ReadAll();
    Reply("\r\n+CIVER:V3.36\r\n\r\nOK\r\n");
    EXPECT_EQ(host.familyControls, std::vector<bool>{false});
    AnswerValuesUntilIdle();
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
        host.form.SetItem(Field::WorkMode, row.workMode);
        engine.BeginAction(1);
        engine.ReadAll();
        Reply("\r\n+CIVER:V3.38\r\n\r\nOK\r\n");
        ASSERT_FALSE(host.progress.empty());
        EXPECT_EQ(host.progress.front(), (Progress{true, static_cast<int>(row.queries) - 1, 0}));
        AnswerValuesUntilIdle();
        EXPECT_EQ(Sent().size(), row.queries) << row.workMode;
        EXPECT_EQ(host.Last().text, "lang_Info_ReadSuccess");
    }
}

TEST_F(EngineTest, ReadAllAlsoQueriesThePageOfTheModeTheDeviceReports) {
    host.form.SetItem(Field::WorkMode, 0);
    engine.BeginAction(1);
    engine.ReadAll();
    Reply("\r\n+CIVER:V3.38\r\n\r\nOK\r\n");
    Reply("\r\n+CIPR:9600\r\n\r\nOK\r\n");
    Reply("\r\n+ICF:3,3\r\n\r\nOK\r\n");
    Lines page = kSocketsPage;
    page[7] = "+CIMOD:\"3\"";
    page.push_back(page[7]);  // told twice, followed once
    Reply(Answer(page));
    AnswerValuesUntilIdle();
    EXPECT_EQ(Sent(), (Lines{"AT+CIVER?\r\n", "AT+CIPR?\r\n", "AT+ICF?\r\n", "AT+CIPSCONT?\r\n",
                             "AT+CLOUDEN?\r\n", "AT+CLOUDID?\r\n", "AT+CACHE?\r\n", "AT+RESOC?\r\n",
                             "AT+HTPURL?\r\n", "AT+HTPHD?\r\n", "AT+HTPTP?\r\n"}));
    EXPECT_EQ(host.outcomes.back().end, RunEnd::Success);
}

TEST_F(EngineTest, WriteAllOfTheWorkedExampleSendsEighteenLines) {
    host.form = WorkedExampleForm();
    engine.BeginAction(2);
    engine.WriteAll();
    Reply("\r\n+CIVER:V3.38\r\n\r\nOK\r\n");
    AnswerUntilIdle(kOk);
    EXPECT_EQ(Sent(), WorkedExampleLines());
    EXPECT_EQ(host.Last().text, "lang_Info_SetSuccess");
    EXPECT_EQ(host.progress.front(), (Progress{true, 17, 0}));
    EXPECT_EQ(port.reopens.size(), 2u);

    std::vector<std::chrono::milliseconds> pauses;
    for (const auto delay : timers.started) {
        if (delay != Engine::kReplyTimeout && delay != Engine::kReplyBound) {
            pauses.push_back(delay);
        }
    }
    // After each final line, the port's framing pause.
    std::vector<std::chrono::milliseconds> expected(17, DevicePort::kDefaultFramingPause);
    expected[15] += Engine::kReopenPause;  // after the ICF answer
    expected[16] += Engine::kReopenPause;  // after the CIPR answer
    EXPECT_EQ(pauses, expected);
}

TEST_F(EngineTest, AcknowledgedUartChangeReopensThePortWithTheFormsTexts) {
    host.form.SetItem(Field::Parity, 2);    // EVEN
    host.form.SetItem(Field::DataBits, 0);  // 7
    host.form.SetItem(Field::StopBits, 1);  // 2
    host.form.SetItem(Field::BaudRate, 5);  // 9600
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
    EXPECT_EQ(host.outcomes[0].reopenError.systemText, "no such port");
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
    engine.BeginAction(kWriteAllOperation);
    StartRun(kThreeQueries);
    Reply(kOk);
    engine.BeginAction();
    EXPECT_EQ(engine.Operation(), kOtherOperation);
    // A write all stopped before ATW says the device keeps nothing for good.
    EXPECT_EQ(host.Lines(LogKind::Error), (Lines{"lang_Run_Interrupted", "lang_Run_NotSaved"}));
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

TEST_F(EngineTest, DirectSendsEndInTheirOwnVerdictAndLeaveTheListAlone) {
    struct Row {
        const char* name;
        std::function<void(Engine&)> send;
        Lines answers;  // empty: silence
        std::string sent;
        RunEnd end;
    };
    const Row rows[] = {
        {"version",
         [](Engine& e) { e.SendQuery("CIVER"); },
         {"\r\nV3.38\r\nOK\r\n"},
         "AT+CIVER?\r\n",
         RunEnd::Success},
        {"version without one",
         [](Engine& e) { e.SendQuery("CIVER"); },
         {kOk},
         "AT+CIVER?\r\n",
         RunEnd::Incomplete},
        {"refused set",
         [](Engine& e) { e.SendSet("CIPR", "1"); },
         {kError},
         "AT+CIPR=1\r\n",
         RunEnd::Incomplete},
        {"free text",
         [](Engine& e) { e.SendRawData("free text\r"); },
         {"\r\n", "OK\r\n"},
         "free text\r",
         RunEnd::Success},
        {"silence", [](Engine& e) { e.ExitToDataMode(); }, {}, "AT+ENTM\r\n", RunEnd::NoAnswer},
        {"noise",
         [](Engine& e) { e.SendQuery("CIVER"); },
         {"\x13\xFE"},
         "AT+CIVER?\r\n",
         RunEnd::Garbled},
    };
    for (const Row& row : rows) {
        port.written.clear();
        host = FakeHost();
        orders.ClearOrders();
        orders.AddRawOrder("ATW\r\n");
        row.send(engine);
        EXPECT_TRUE(TimerArmed()) << row.name;
        for (const std::string& answer : row.answers) {
            Reply(answer);
        }
        if (row.answers.empty() || row.end == RunEnd::Garbled) {
            TimeOut();
        }
        EXPECT_EQ(Sent(), Lines{row.sent}) << row.name;
        ASSERT_EQ(host.outcomes.size(), 1u) << row.name;
        EXPECT_TRUE(host.outcomes[0].direct) << row.name;
        EXPECT_EQ(host.outcomes[0].end, row.end) << row.name;
        EXPECT_FALSE(engine.Running()) << row.name;
        EXPECT_LE(orders.OrderCount(), 1) << row.name;
        EXPECT_FALSE(TimerArmed()) << row.name;
    }
    EXPECT_EQ(host.familyControls, std::vector<bool>{});
}

TEST_F(EngineTest, ADirectSendAfterAnInterruptionWaitsForTheAbandonedAnswer) {
    StartRun(kThreeQueries);
    engine.BeginAction();
    engine.SendQuery("CIPR");
    EXPECT_EQ(Sent(), Lines{"AT+CIVER?\r\n"});
    Reply("\r\n+CIVER:V3.38\r\n\r\nOK\r\n");  // the abandoned line's answer
    EXPECT_EQ(Sent().back(), "AT+CIPR?\r\n");
    Reply("\r\n+CIPR:9600\r\n\r\nOK\r\n");
    EXPECT_EQ(host.applied, (std::vector<ReplyValue>{{"CIPR", "9600"}}));
    EXPECT_EQ(host.outcomes.back().end, RunEnd::Success);
}

TEST_F(EngineTest, SmsNumberLosesBlanksAndMessageLosesCrLf) {
    host.sms = {"12 34", "hi, \"you\"\r\nthere\xD6\xD0"};
    engine.SendSms();
    EXPECT_EQ(Sent(), Lines{"AT+CISMSSEND=1234,3,hi, \"you\"there\xD6\xD0\r\n"});

    host.log.clear();
    host.sms.first = "  ";
    engine.SendSms();
    host.sms = {"1", "\r\n"};
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

TEST_F(EngineTest, ValueTheFormRefusesIsNotReadAndDoesNotStopTheRun) {
    host.refuseName = "CIPR";
    StartRun({"AT+CIPR?\r\n", "ATW\r\n"});
    Reply("\r\n+CIPR:abc\r\n+ICF:3,3\r\n\r\nOK\r\n");
    EXPECT_EQ(host.applied, (std::vector<ReplyValue>{{"CIPR", "abc"}}));  // ICF answers no CIPR
    EXPECT_EQ(Sent().back(), "ATW\r\n");
    Reply(kOk);
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].notRead, Lines{"AT+CIPR?\r\n"});
}

// Values into the real form.
class FormHost : public FakeHost {
public:
    bool ApplyReply(const ReplyValue& reply) override { return dtu::ApplyReply(form, reply); }
};

TEST(EngineValuesTest, EachValueOfAnAnswerCountsByItsOwnLineWhateverTheOrder) {
    struct Row {
        const char* name;
        Lines page;
        Lines notRead;
    };
    const auto without = [](std::size_t index) {
        Lines page = kSocketsPage;
        page.erase(page.begin() + static_cast<std::ptrdiff_t>(index));
        return page;
    };
    Lines reversed(kSocketsPage.rbegin(), kSocketsPage.rend());  // the work mode before socket 1
    const Row rows[] = {
        {"every line", kSocketsPage, {}},
        {"reversed", reversed, {}},
        {"times left out", without(0), {"AT+CIPCFG?\r\n"}},
        {"socket 3 left out", without(5), {"AT+CIPSCONT=3\r\n"}},
    };
    for (const Row& row : rows) {
        FakePort port;
        FakeTimers timers;
        FormHost host;
        OrderList orders;
        Engine engine(orders, port, timers, host);
        host.form.SetItem(Field::WorkMode, 1);  // not the device's
        host.form.SetText(Field::HeartbeatPeriod, "77");
        orders.AddQueryOrder("CIPSCONT");
        engine.StartList();
        engine.HandleReceived(Answer(row.page));
        ASSERT_EQ(host.outcomes.size(), 1u) << row.name;
        EXPECT_EQ(host.outcomes[0].notRead, row.notRead) << row.name;
        EXPECT_EQ(host.outcomes[0].end, row.notRead.empty() ? RunEnd::Success : RunEnd::Incomplete)
            << row.name;
        EXPECT_EQ(host.form.Text(Field::Socket1Host), "h1") << row.name;
        EXPECT_EQ(host.form.Text(Field::HeartbeatPeriod),
                  row.notRead == Lines{"AT+CIPCFG?\r\n"} ? "77" : "50")
            << row.name;
    }
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
    engine.BeginAction(1);
    engine.ReadAll();
    for (const std::string& block : blocks) {
        Reply(block);
    }
    EXPECT_GE(orders.Index(), 0);
    EXPECT_LE(orders.OrderCount(), 12);
}

}  // namespace
}  // namespace dtu
