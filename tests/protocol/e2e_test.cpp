#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "tests/protocol/device_session.h"
#include "tests/protocol/worked_example.h"

namespace dtu {
namespace {

using namespace std::chrono_literals;
using dtu::testing::Colour;
using dtu::testing::DeviceSession;
using Lines = std::vector<std::string>;

// Generous: only a broken program waits this long.
constexpr auto kBound = 20s;
// Short enough to keep the silent-device case quick, long enough for a loaded machine.
constexpr auto kReplyTimeout = 1500ms;

class EndToEndTest : public ::testing::Test {
protected:
    explicit EndToEndTest(sim::Mode mode = sim::Mode::kCommand) : session(mode, kReplyTimeout) {}

    void SetUp() override {
        ASSERT_TRUE(session.port.OpenPort()) << OpenErrorSummary(session.port.LastOpenError());
    }

    bool Dispatched(const std::string& name, const std::string& value) const {
        const auto& all = session.window.dispatched;
        return std::find(all.begin(), all.end(), std::pair{name, value}) != all.end();
    }

    DeviceSession session;
    Engine& engine = session.engine;
    testing::TimedWindow& window = session.window;
};

TEST_F(EndToEndTest, ReadAllFillsTheFormWithFamilyTwoQueries) {
    engine.CurrentOperation = 1;
    engine.ReadAll();
    ASSERT_TRUE(session.PumpUntilShown("lang_Info_ReadSuccess", kBound));
    EXPECT_EQ(session.device.ReceivedLines(),
              (Lines{"AT+CIVER?\r\n", "AT+CIPR?\r\n", "AT+ICF?\r\n", "AT+CIPSCONT?\r\n",
                     "AT+CLOUDEN?\r\n", "AT+CLOUDID?\r\n", "AT+CACHE?\r\n", "AT+RESOC?\r\n"}));
    EXPECT_EQ(window.familyControls, std::vector<bool>{true});
    EXPECT_TRUE(Dispatched("CIPR", "115200"));
    EXPECT_TRUE(Dispatched("ICF", "3,3"));
    EXPECT_TRUE(Dispatched("CIPSTART", "1,TCP,dtu.example.net,2317,1"));
    EXPECT_TRUE(Dispatched("CSTT", "CMNET,,"));
    EXPECT_TRUE(Dispatched("RESOC", "5"));
    EXPECT_TRUE(window.Lines(Colour::Error).empty());
}

TEST_F(EndToEndTest, ReadAllOfAnOlderFirmwareSendsFourQueries) {
    ASSERT_TRUE(session.device.SetFirmware("3.36"));
    engine.CurrentOperation = 1;
    engine.ReadAll();
    ASSERT_TRUE(session.PumpUntilShown("lang_Info_ReadSuccess", kBound));
    EXPECT_EQ(session.device.ReceivedLines().size(), 4u);
    EXPECT_EQ(window.familyControls, std::vector<bool>{false});
}

TEST_F(EndToEndTest, WriteAllReachesTheDeviceAndThePortFollowsItsNewUart) {
    FormValues& form = window.form;
    form = WorkedExampleForm();
    form.edt_HeartbeatTime = "60";
    form.sockets[0] = {"UDP", "host1", "5000", true};
    // 8 data bits, 2 stop bits, no parity at 57600.
    form.cbb_Com_StopItem = 1;
    form.cbb_Com_StopText = "2";
    form.cbb_Com_BaudRate = "57600";

    engine.CurrentOperation = 2;
    engine.WriteAll();
    ASSERT_TRUE(session.PumpUntilShown("lang_Info_SetSuccess", kBound));

    const Lines received = session.device.ReceivedLines();
    ASSERT_EQ(received.size(), 18u);
    EXPECT_EQ(received[15], "AT+ICF=1,3\r\n");
    EXPECT_EQ(received[16], "AT+CIPR=57600\r\n");
    EXPECT_EQ(received[17], "ATW\r\n");
    EXPECT_EQ(session.device.Line(), (sim::LineSettings{57600, 8, 'N', 2}));
    EXPECT_EQ(session.port.settings,
              (PortTexts{session.device.SlavePath(), "57600", "NONE", "8", "2"}));
    EXPECT_EQ(session.device.IgnoredBytes(), 0u);

    const sim::DeviceConfig saved = session.device.Saved();
    EXPECT_EQ(saved.sockets[0], (sim::SocketConfig{"UDP", "host1", "5000", true}));
    EXPECT_EQ(saved.timing[1], "60");
    EXPECT_EQ(saved.reconnect, "10");
    EXPECT_TRUE(window.Lines(Colour::Error).empty());
}

TEST_F(EndToEndTest, FactoryResetRestoresTheDefaults) {
    engine.SendSet("CIPNUM", "123");
    ASSERT_TRUE(session.PumpUntilShown("lang_Info_DoSuccess", kBound));
    ASSERT_EQ(session.device.Running().smsNumber, "123");
    window.shown.clear();

    engine.FactoryReset();
    ASSERT_TRUE(session.PumpUntilShown("lang_Info_DoSuccess", kBound));
    EXPECT_EQ(window.factoryResets, 1);
    EXPECT_EQ(session.device.ReceivedLines().back(), "AT+CIRELOAD\r\n");
    EXPECT_EQ(session.device.Running(), sim::DeviceConfig{});
}

TEST_F(EndToEndTest, RestartIsAcknowledged) {
    engine.RestartDevice();
    ASSERT_TRUE(session.PumpUntilShown("lang_Info_DoSuccess", kBound));
    EXPECT_EQ(session.device.ReceivedLines(), Lines{"AT+CIRESET\r\n"});
}

TEST_F(EndToEndTest, DataModeAndSmsAreDirectSends) {
    window.form.edt_Sms_TelNo = "138 0000";
    window.form.mmo_Sms_Msg = "hello,\r\nworld";
    engine.SendSms();
    ASSERT_TRUE(session.PumpUntilShown("lang_Info_DoSuccess", kBound));
    EXPECT_EQ(session.device.SentSms(), (std::vector<sim::Sms>{{"1380000", "hello,world"}}));
    window.shown.clear();

    engine.ExitToDataMode();
    ASSERT_TRUE(session.PumpUntilShown("lang_Info_DoSuccess", kBound));
    EXPECT_EQ(session.device.CurrentMode(), sim::Mode::kData);
    EXPECT_FALSE(window.timerArmed);
}

TEST_F(EndToEndTest, SilentDeviceIsRecoveredAndTheRunCompletes) {
    session.device.SilentOn("AT+CIPR?", 1);
    engine.CurrentOperation = 1;
    engine.ReadAll();
    ASSERT_TRUE(session.PumpUntilShown("lang_Info_ReadSuccess", kBound));
    const Lines received = session.device.ReceivedLines();
    ASSERT_GE(received.size(), 6u);
    EXPECT_EQ(Lines(received.begin(), received.begin() + 6),
              (Lines{"AT+CIVER?\r\n", "AT+CIPR?\r\n", "+++", "a", "AT+CIPR?\r\n", "AT+ICF?\r\n"}));
    EXPECT_TRUE(Dispatched("CIPR", "115200"));
}

class DataModeEndToEndTest : public EndToEndTest {
protected:
    DataModeEndToEndTest() : EndToEndTest(sim::Mode::kData) {}
};

TEST_F(DataModeEndToEndTest, CommandModeIsEnteredFromDataMode) {
    engine.EnterCommandMode();
    ASSERT_TRUE(session.PumpUntilShown("lang_Info_DoSuccess", kBound));
    EXPECT_EQ(session.device.ReceivedLines(), (Lines{"+++", "a"}));
    EXPECT_EQ(session.device.CurrentMode(), sim::Mode::kCommand);
    EXPECT_EQ(window.Lines(Colour::Rx), (Lines{"a", "\r\n+ok\r\n"}));
}

}  // namespace
}  // namespace dtu
