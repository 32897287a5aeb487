#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lang/builtin_texts.h"
#include "render/open_failure_reason.h"
#include "serial/port_speed.h"
#include "tests/netport/ser2net_server.h"
#include "tests/protocol/worked_example.h"
#include "tests/session/session_fixture.h"
#include "tests/session/worked_example_model.h"

namespace dtu {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
using dtu::testing::Ser2netServer;
using dtu::testing::SessionFixture;

enum class Server { Rfc2217, RawTcp };

// The simulated device behind a serial device server on loopback; the session
// opens the server's network port instead of the terminal.
class NetworkFixture : public SessionFixture {
protected:
    void SetUp() override {
        server = std::make_unique<Ser2netServer>(device->SlavePath());
        ASSERT_EQ(server->Failure(), "");
    }
    void Open(Server kind) {
        const OpenError open = session.OpenPort(
            PortTexts{kind == Server::Rfc2217 ? server->Rfc2217Name() : server->RawName(), "115200",
                      "NONE", "8", "1"});
        ASSERT_TRUE(open.Opened()) << open.systemText;
    }
    // The speed the terminal has now, as its reader sees it.
    std::uint32_t TerminalSpeed() const {
        const int fd =
            open(device->SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        const std::optional<PortSpeed> speed = ReadSpeed(fd);
        close(fd);
        return speed ? speed->output : 0;
    }

    std::unique_ptr<Ser2netServer> server;
};

class BothServersTest : public NetworkFixture, public ::testing::WithParamInterface<Server> {};

TEST_P(BothServersTest, ReadAllOfTheWorkedDeviceFillsTheForm) {
    Open(GetParam());
    // The hex view sees what a network port receives, as it does for a local port.
    std::string seen;
    session.SetReceiveHook([&seen](const std::string& block, const std::function<void()>& pass) {
        seen += block;
        pass();
    });
    session.ReadAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
    EXPECT_EQ(device->ReceivedLines(),
              (Lines{"AT+CIVER?\r\n", "AT+CIPR?\r\n", "AT+ICF?\r\n", "AT+CIPSCONT?\r\n",
                     "AT+CLOUDEN?\r\n", "AT+CLOUDID?\r\n", "AT+CACHE?\r\n", "AT+RESOC?\r\n"}));
    EXPECT_EQ(session.FirmwareVersion(), "V3.38");
    EXPECT_EQ(session.Form().Text(Field::Socket1Host), "dtu.example.net");
    EXPECT_TRUE(Logged(LogKind::Error).empty());
    EXPECT_NE(seen.find("+CIVER:V3.38\r\n"), std::string::npos) << seen;
}

TEST_P(BothServersTest, WriteAllOfTheWorkedExampleSendsItsEighteenLines) {
    Open(GetParam());
    LoadWorkedExample(session.Form());
    session.WriteAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
    EXPECT_EQ(device->ReceivedLines(), WorkedExampleLines());
    EXPECT_EQ(device->Saved().sockets[0], (sim::SocketConfig{"TCP", "host1", "2317", true}));
    EXPECT_TRUE(session.PortIsOpen());
}

TEST_P(BothServersTest, ByteFFInAValueCrossesTheServerBothWays) {
    Open(GetParam());
    const std::string host = "h\xFF\xFFst\xFF";
    session.SendRaw("AT+CIPSCONT=1,\"TCP\",\"" + host + "\",2317,1\r\n");
    ASSERT_TRUE(RunUntilLogged("lang_Info_DoSuccess"));
    EXPECT_EQ(device->Running().sockets[0].host, host);
    session.ReadAll();
    ASSERT_TRUE(RunToVerdict());
    // The reply comes back whole, whatever the parser makes of the byte.
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [&](const testing::SessionLine& line) {
        return line.kind != LogKind::Tx && line.text.find("\"" + host + "\"") != std::string::npos;
    }));
}

TEST_P(BothServersTest, ServerGoneMidWriteAllEndsWithThePortLost) {
    Open(GetParam());
    LoadWorkedExample(session.Form());
    session.WriteAll();
    ASSERT_TRUE(loop.RunUntil([&] { return device->ReceivedLines().size() >= 5; }, 20s));
    server->Stop();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::PortLost);
    EXPECT_EQ(Logged(LogKind::Error), (Lines{"lang_Run_PortLost", "lang_Run_NotSaved"}));
    EXPECT_FALSE(session.PortIsOpen());
    EXPECT_EQ(status, "lang_Info_ComIsOpen");
}

INSTANTIATE_TEST_SUITE_P(Servers, BothServersTest,
                         ::testing::Values(Server::Rfc2217, Server::RawTcp),
                         [](const auto& server) {
                             return server.param == Server::Rfc2217 ? "Rfc2217" : "RawTcp";
                         });

class Rfc2217Test : public NetworkFixture {};

TEST_F(Rfc2217Test, TheServerLineFollowsTheDevicesNewUart) {
    Open(Server::Rfc2217);
    FormModel& form = session.Form();
    LoadWorkedExample(form);
    form.SetItem(Field::StopBits, 1);  // 8 data bits, 2 stop bits, no parity
    form.SetItem(Field::BaudRate, 9);  // at 57600
    session.WriteAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::Success);
    const Lines received = device->ReceivedLines();
    ASSERT_EQ(received.size(), 18u);
    EXPECT_EQ(received[16], "AT+CIPR=57600\r\n");
    EXPECT_EQ(received[17], "ATW\r\n");  // heard only if the terminal followed
    EXPECT_EQ(device->IgnoredBytes(), 0u);
    EXPECT_EQ(TerminalSpeed(), 57600u);
    EXPECT_EQ(session.PortSettings().baudRate, "57600");
    EXPECT_NE(status.find("57600"), std::string::npos);
}

TEST_F(Rfc2217Test, APlainTcpServerIsNoRfc2217Server) {
    const std::string name = server->RawName();
    const OpenError open = session.OpenPort(
        PortTexts{"rfc2217" + name.substr(name.find(':')), "115200", "NONE", "8", "1"});
    EXPECT_EQ(OpenFailureReason(open, EnglishBuiltinTable(), SystemWords::AsGiven),
              "this server speaks plain TCP: use " + name);
    // No telnet negotiation reached the device: the next run through the server starts clean.
    Open(Server::RawTcp);
    session.ReadAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(device->ReceivedLines().at(0), "AT+CIVER?\r\n");
}

class RawTcpTest : public NetworkFixture {};

TEST_F(RawTcpTest, StatusSaysTheServerSetsTheLine) {
    Open(Server::RawTcp);
    EXPECT_EQ(status, "lang_Info_NetLineByServer");
}

TEST_F(RawTcpTest, WriteAllThatChangesTheUartTellsToSetTheServer) {
    Open(Server::RawTcp);
    FormModel& form = session.Form();
    LoadWorkedExample(form);
    form.SetItem(Field::BaudRate, 9);  // 57600
    session.WriteAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(outcomes.back().end, RunEnd::ReopenFailed);
    EXPECT_EQ(outcomes.back().reopenError.kind, OpenFailure::ServerLine);
    EXPECT_EQ(outcomes.back().reopenError.systemText, "57600,NONE,8,1");
    EXPECT_EQ(device->ReceivedLines().back(), "AT+CIPR=57600\r\n");
    EXPECT_FALSE(session.PortIsOpen());
}

}  // namespace
}  // namespace dtu
