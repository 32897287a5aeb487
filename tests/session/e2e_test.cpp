#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/protocol/worked_example.h"
#include "tests/session/session_fixture.h"
#include "tests/session/worked_example_model.h"

namespace dtu {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
using dtu::testing::SessionFixture;

class EndToEndTest : public SessionFixture {};

TEST_F(EndToEndTest, ReadAllFillsTheFormWithFamilyTwoQueries) {
    FormModel& form = session.Form();
    form.SetText(Field::HeartbeatPeriod, "99");
    form.SetTick(Field::Socket2Enable, true);
    form.SetItem(Field::Parity, 2);
    session.ReadAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
    EXPECT_EQ(log.back().text, "lang_Info_ReadSuccess");
    EXPECT_EQ(device->ReceivedLines(),
              (Lines{"AT+CIVER?\r\n", "AT+CIPR?\r\n", "AT+ICF?\r\n", "AT+CIPSCONT?\r\n",
                     "AT+CLOUDEN?\r\n", "AT+CLOUDID?\r\n", "AT+CACHE?\r\n", "AT+RESOC?\r\n"}));
    EXPECT_EQ(session.FirmwareVersion(), "V3.38");
    EXPECT_EQ(form.Text(Field::HeartbeatPeriod), "50");
    EXPECT_EQ(form.Text(Field::Socket1Host), "dtu.example.net");
    EXPECT_FALSE(form.Tick(Field::Socket2Enable));
    EXPECT_EQ(form.ItemText(Field::Parity), "NONE");
    EXPECT_EQ(form.Text(Field::Apn), "\"CMNET\",\"\",\"\"");
    EXPECT_EQ(form.Text(Field::ReconnectInterval), "5");
    EXPECT_TRUE(Logged(LogKind::Error).empty());
    EXPECT_FALSE(lastProgress.visible);
}

TEST_F(EndToEndTest, ReadAllOfAnOlderFirmwareSendsFourQueries) {
    ASSERT_TRUE(device->SetFirmware("3.36"));
    session.ReadAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
    EXPECT_EQ(device->ReceivedLines().size(), 4u);
    EXPECT_FALSE(session.Form().FamilyControlsEnabled());
}

TEST_F(EndToEndTest, WriteAllReachesTheDeviceAndThePortFollowsItsNewUart) {
    FormModel& form = session.Form();
    LoadWorkedExample(form);
    form.SetText(Field::HeartbeatPeriod, "60");
    form.SetItem(Field::Socket1Protocol, 1);
    form.SetText(Field::Socket1Port, "5000");
    form.SetItem(Field::StopBits, 1);  // 8 data bits, 2 stop bits, no parity
    form.SetItem(Field::BaudRate, 9);  // at 57600

    session.WriteAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
    EXPECT_EQ(log.back().text, "lang_Info_SetSuccess");

    const Lines received = device->ReceivedLines();
    ASSERT_EQ(received.size(), 18u);
    EXPECT_EQ(received[15], "AT+ICF=1,3\r\n");
    EXPECT_EQ(received[16], "AT+CIPR=57600\r\n");
    EXPECT_EQ(received[17], "ATW\r\n");
    EXPECT_EQ(device->Line(), (sim::LineSettings{57600, 8, 'N', 2}));
    EXPECT_EQ(session.PortSettings(), (PortTexts{device->SlavePath(), "57600", "NONE", "8", "2"}));
    EXPECT_EQ(device->IgnoredBytes(), 0u);
    EXPECT_EQ(device->Saved().sockets[0], (sim::SocketConfig{"UDP", "host1", "5000", true}));
    EXPECT_EQ(device->Saved().timing[1], "60");
    EXPECT_EQ(device->Saved().reconnect, "10");
}

TEST_F(EndToEndTest, WriteAllNamesTheSettingsTheDeviceRefused) {
    FormModel& form = session.Form();
    LoadWorkedExample(form);
    form.SetText(Field::HeartbeatPacket, "HELLO");
    device->ErrorOn("AT+CIPPACK", 1);  // the first packet line
    // A value that would break its line is never sent.
    form.SetText(Field::Socket2Port, "6060s");
    EXPECT_EQ(session.WriteAll(),
              (std::vector<ValueProblem>{{Field::Socket2Port, ValueRule::Port}}));
    EXPECT_FALSE(session.Running());
    form.SetText(Field::Socket2Port, "6060");
    EXPECT_EQ(session.WriteAll(), std::vector<ValueProblem>{});
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Incomplete);
    EXPECT_EQ(outcomes.back().refused, (Lines{"AT+CIPPACK=0,\"48454C4C4F\",\"0\"\r\n"}));
    EXPECT_EQ(log.back().kind, LogKind::Error);
    EXPECT_EQ(device->ReceivedLines().back(), "ATW\r\n");
}

TEST_F(EndToEndTest, FactoryResetRestoresTheDefaults) {
    session.Form().SetItem(Field::WorkMode, 4);
    session.SendRaw("AT+CIPNUM=123\r\n");
    ASSERT_TRUE(RunUntilLogged("lang_Info_DoSuccess"));
    ASSERT_EQ(device->Running().smsNumber, "123");

    session.FactoryReset();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
    EXPECT_EQ(session.Form().Item(Field::WorkMode), 0);
    EXPECT_EQ(device->ReceivedLines().back(), "AT+CIRELOAD\r\n");
    EXPECT_EQ(device->Running(), sim::DeviceConfig{});
}

TEST_F(EndToEndTest, DataModeAndSmsAreDirectSends) {
    // Neither the number nor a lone line end in the message may end the line early.
    session.Form().SetText(Field::SmsPhone, "1\r\nAT+CIRELOAD");
    session.Form().SetText(Field::SmsMessage, "hi\rAT+CIRELOAD");
    EXPECT_EQ(session.SendSms(), (std::vector<ValueProblem>{{Field::SmsPhone, ValueRule::Phone},
                                                            {Field::SmsMessage, ValueRule::Text}}));
    EXPECT_TRUE(device->ReceivedLines().empty());
    session.Form().SetText(Field::SmsPhone, "138 0000");
    session.Form().SetText(Field::SmsMessage, "hello,\r\nworld");
    EXPECT_EQ(session.SendSms(), std::vector<ValueProblem>{});
    ASSERT_TRUE(RunUntilLogged("lang_Info_DoSuccess"));
    EXPECT_EQ(device->SentSms(), (std::vector<sim::Sms>{{"1380000", "hello,world"}}));

    session.ExitToDataMode();
    ASSERT_TRUE(RunUntilLogged("lang_Info_DoSuccess"));
    EXPECT_EQ(device->CurrentMode(), sim::Mode::kData);
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_TRUE(outcomes[0].direct && outcomes[1].direct);
    EXPECT_EQ(outcomes[1].end, RunEnd::Success);
}

TEST_F(EndToEndTest, SilentDeviceIsRecoveredAndTheRunCompletes) {
    session.SetReplyTimeout(1500ms);
    device->SilentOn("AT+CIPR?", 1);
    session.ReadAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
    const Lines received = device->ReceivedLines();
    ASSERT_GE(received.size(), 6u);
    EXPECT_EQ(Lines(received.begin(), received.begin() + 6),
              (Lines{"AT+CIVER?\r\n", "AT+CIPR?\r\n", "+++", "a", "AT+CIPR?\r\n", "AT+ICF?\r\n"}));
}

TEST_F(EndToEndTest, DeviceSilentAlsoAfterTheRecoveryEndsUnanswered) {
    session.SetReplyTimeout(500ms);
    device->SilentOn("AT+CIRESET", 2);
    session.RestartDevice();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::NoAnswer);
    EXPECT_EQ(device->ReceivedLines(), (Lines{"AT+CIRESET\r\n", "+++", "a", "AT+CIRESET\r\n"}));
    EXPECT_EQ(log.back().text, "lang_Run_NoAnswer");
}

TEST_F(EndToEndTest, DeviceGoneMidWriteAllEndsWithOneRedLineAndAClosedPort) {
    LoadWorkedExample(session.Form());
    session.WriteAll();
    ASSERT_TRUE(loop.RunUntil([&] { return device->ReceivedLines().size() >= 5; }, 20s));
    device.reset();  // the other end of the line is gone
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::PortLost);
    EXPECT_EQ(Logged(LogKind::Error), (Lines{"lang_Run_PortLost", "lang_Run_NotSaved"}));
    EXPECT_FALSE(session.PortIsOpen());
    EXPECT_EQ(status, "lang_Info_ComIsOpen");
    EXPECT_FALSE(lastProgress.visible);

    session.QueryVersion();
    EXPECT_EQ(log.back().text, "lang_Info_ComIsOpen");
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes.back().end, RunEnd::NotOpen);
}

TEST_F(EndToEndTest, ReadAllPressedDuringWriteAllSaysTheWriteWasInterrupted) {
    LoadWorkedExample(session.Form());
    session.WriteAll();
    ASSERT_TRUE(loop.RunUntil([&] { return device->ReceivedLines().size() >= 3; }, 20s));
    session.ReadAll();
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].end, RunEnd::Interrupted);
    EXPECT_EQ(outcomes[0].operation, kWriteAllOperation);
    EXPECT_EQ(Logged(LogKind::Error), (Lines{"lang_Run_Interrupted", "lang_Run_NotSaved"}));
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
}

TEST_F(EndToEndTest, EveryFaultOfTheDeviceEndsInItsTrueVerdict) {
    enum Action { readAll, writeAll, version };
    struct Row {
        const char* name;
        std::function<void(sim::PtyDevice&)> fault;
        Action action;
        RunEnd end;
    };
    const Row rows[] = {
        {"echoes", [](sim::PtyDevice& d) { d.SetEcho(true); }, readAll, RunEnd::Success},
        {"echoes in a receive of its own",
         [](sim::PtyDevice& d) {
             d.SetEcho(true);
             d.SplitEveryLine(200ms);
         },
         version, RunEnd::Success},
        {"says something else first",
         [](sim::PtyDevice& d) {
             d.SetAnswerShape({false, false, false, "Call Ready"});
         },
         readAll, RunEnd::Success},
        {"pauses after every line", [](sim::PtyDevice& d) { d.SplitEveryLine(200ms); }, readAll,
         RunEnd::Success},
        {"trickles slower than the time-out", [](sim::PtyDevice& d) { d.SetTrickle(33ms); },
         version, RunEnd::Success},
        {"refuses a setting", [](sim::PtyDevice& d) { d.ErrorOn("AT+CIPPACK", 5); }, writeAll,
         RunEnd::Incomplete},
        {"refuses, then says OK",
         [](sim::PtyDevice& d) {
             d.ErrorOn("AT+CIPPACK", 5);
             d.SetAnswerShape({false, false, true, ""});
         },
         writeAll, RunEnd::Incomplete},
        {"says OK to everything and keeps nothing", [](sim::PtyDevice& d) { d.SetForgetful(true); },
         readAll, RunEnd::Incomplete},
        {"puts NULs in its line ends",
         [](sim::PtyDevice& d) {
             d.SetAnswerShape({false, true, false, ""});
         },
         readAll, RunEnd::Incomplete},
        {"hangs up", [](sim::PtyDevice& d) { d.HangUpAfter(3); }, writeAll, RunEnd::PortLost},
        {"falls silent", [](sim::PtyDevice& d) { d.SilentAfter(2); }, readAll, RunEnd::NoAnswer},
        {"sends only noise", [](sim::PtyDevice& d) { d.SetNoise(50ms); }, readAll, RunEnd::Garbled},
        {"ends no answer",
         [](sim::PtyDevice& d) {
             d.SetAnswerShape({true, false, false, ""});
         },
         readAll, RunEnd::Garbled},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto faulty = std::make_unique<sim::PtyDevice>();
        row.fault(*faulty);
        faulty->Start();
        ASSERT_TRUE(session.OpenPort({faulty->SlavePath(), "115200", "NONE", "8", "1"}).Opened());
        session.SetReplyTimeout(400ms);
        LoadWorkedExample(session.Form());
        session.Form().SetText(Field::HeartbeatPeriod, "77");  // the device holds 50
        log.clear();
        if (row.action == readAll) {
            session.ReadAll();
        } else if (row.action == writeAll) {
            ASSERT_EQ(session.WriteAll(), std::vector<ValueProblem>{});
        } else {
            session.QueryVersion();
        }
        ASSERT_TRUE(RunToVerdict(40s));
        EXPECT_EQ(outcomes.back().end, row.end);
        EXPECT_EQ(log.back().kind, row.end == RunEnd::Success ? LogKind::Info : LogKind::Error);
        EXPECT_FALSE(lastProgress.visible);
        if (row.end == RunEnd::Success) {
            EXPECT_EQ(session.FirmwareVersion(), "V3.38");
            EXPECT_EQ(session.Form().Text(Field::HeartbeatPeriod),
                      row.action == readAll ? "50" : "77");
        }
        session.ClosePort();
    }
}

TEST_F(EndToEndTest, GbkTextTheToolWritesIsReadBack) {
    const std::string url = "/\xCA\xFD\xBE\xDD";  // "/数据"
    session.SendRaw("AT+CIMOD=\"3\"\r\n");
    ASSERT_TRUE(RunToVerdict());
    session.SendRaw("AT+HTPURL=" + url + "\r\n");
    ASSERT_TRUE(RunToVerdict());
    session.SendRaw("AT+HTPHD=Host: \xD6\xD0\r\n");
    ASSERT_TRUE(RunToVerdict());
    session.ReadAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
    EXPECT_EQ(session.Form().Text(Field::HttpUrl), url);
    EXPECT_EQ(session.Form().Text(Field::HttpHeaders), "Host:\xD6\xD0");
}

TEST_F(EndToEndTest, RateWithoutAStandardConstantIsHeard) {
    session.Form().SetItem(Field::BaudRate, 6);  // 14400: the port follows the device
    session.SendRaw("AT+CIPR=14400\r\n");
    ASSERT_TRUE(RunUntilLogged("lang_Info_DoSuccess"));
    EXPECT_EQ(session.PortSettings().baudRate, "14400");
    EXPECT_NE(status.find("14400"), std::string::npos);
    session.ReadAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
    EXPECT_EQ(session.Form().ItemText(Field::BaudRate), "14400");
    EXPECT_EQ(device->IgnoredBytes(), 0u);
}

class DataModeEndToEndTest : public SessionFixture {
protected:
    DataModeEndToEndTest() : SessionFixture(sim::Mode::kData) {}
};

TEST_F(DataModeEndToEndTest, CommandModeIsEnteredFromDataMode) {
    session.EnterCommandMode();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
    EXPECT_EQ(device->ReceivedLines(), (Lines{"+++", "a"}));
    EXPECT_EQ(device->CurrentMode(), sim::Mode::kCommand);
    EXPECT_EQ(Logged(LogKind::Rx), (Lines{"a", "\r\n+ok\r\n"}));
}

}  // namespace
}  // namespace dtu
