#include "tools/dtusim/pty_device.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>

#include "serial/port_speed.h"

namespace dtu::sim {
namespace {

using namespace std::chrono_literals;

// Far beyond any answer time; only a broken device reaches it.
constexpr int kGenerousMs = 5000;

// The tool's end of the line, opened with plain termios.
class Terminal {
public:
    explicit Terminal(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY)) {
        SetLine(B115200, false);
    }
    ~Terminal() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }

    void SetLine(speed_t speed, bool twoStops) {
        termios tio{};
        tcgetattr(fd_, &tio);
        cfmakeraw(&tio);
        cfsetispeed(&tio, speed);
        cfsetospeed(&tio, speed);
        if (twoStops) {
            tio.c_cflag |= CSTOPB;
        } else {
            tio.c_cflag &= ~CSTOPB;
        }
        tcsetattr(fd_, TCSANOW, &tio);
    }

    // A rate without a termios constant, the way the tool sets one.
    void SetSpeed(std::uint32_t baud) { ASSERT_TRUE(SetSpeedByNumber(fd_, baud)); }

    void Write(const std::string& bytes) {
        ASSERT_EQ(write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // What one read returns once something has arrived; empty after the time-out.
    std::string ReadOnce(int timeoutMs = kGenerousMs) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, timeoutMs) <= 0) {
            return {};
        }
        char data[4096];
        ssize_t got = read(fd_, data, sizeof data);
        return got > 0 ? std::string(data, static_cast<std::size_t>(got)) : std::string();
    }

    // Reads until the text ends with `tail`, or the time-out.
    std::string ReadUntil(const std::string& tail) {
        std::string out;
        while (!out.ends_with(tail)) {
            std::string more = ReadOnce();
            if (more.empty()) {
                break;
            }
            out += more;
        }
        return out;
    }

private:
    int fd_;
};

TEST(PtyDevice, AnswersAVersionQueryInOneBurst) {
    PtyDevice device;
    device.Start();
    Terminal tool(device.SlavePath());
    ASSERT_TRUE(tool.IsOpen());
    tool.Write("AT+CIVER?\r\n");
    EXPECT_EQ(tool.ReadOnce(), "\r\n+CIVER:V3.38\r\n\r\nOK\r\n");
    EXPECT_EQ(device.WaitForLine(0, 0ms), "AT+CIVER?\r\n");
}

TEST(PtyDevice, FramesTheEscapeByThePauseAroundIt) {
    PtyDevice device(Mode::kData);
    device.Start();
    Terminal tool(device.SlavePath());
    tool.Write("+++");
    EXPECT_EQ(tool.ReadOnce(), "a");
    tool.Write("a");
    EXPECT_EQ(tool.ReadOnce(), "\r\n+ok\r\n");
    EXPECT_EQ(device.CurrentMode(), Mode::kCommand);
    EXPECT_EQ(device.ReceivedLines(), (std::vector<std::string>{"+++", "a"}));
}

TEST(PtyDevice, IgnoresInputAtAnotherSpeed) {
    PtyDevice device;
    device.Start();
    Terminal tool(device.SlavePath());
    tool.SetLine(B9600, false);
    tool.Write("AT+CIVER?\r\n");
    ASSERT_TRUE(device.WaitForIgnoredBytes(11, std::chrono::milliseconds(kGenerousMs)));
    EXPECT_TRUE(device.ReceivedLines().empty());

    tool.SetLine(B115200, false);
    tool.Write("AT+CIVER?\r\n");
    EXPECT_EQ(tool.ReadOnce(), "\r\n+CIVER:V3.38\r\n\r\nOK\r\n");
}

TEST(PtyDevice, FollowsAnAcknowledgedSpeedAndFormat) {
    PtyDevice device;
    device.Start();
    Terminal tool(device.SlavePath());
    tool.Write("AT+CIPR=9600\r\n");
    EXPECT_EQ(tool.ReadOnce(), "\r\nOK\r\n");
    tool.Write("AT\r\n");
    ASSERT_TRUE(device.WaitForIgnoredBytes(4, std::chrono::milliseconds(kGenerousMs)));

    tool.SetLine(B9600, false);
    tool.Write("AT+ICF=1,3\r\n");
    EXPECT_EQ(tool.ReadOnce(), "\r\nOK\r\n");
    tool.Write("AT\r\n");
    ASSERT_TRUE(device.WaitForIgnoredBytes(8, std::chrono::milliseconds(kGenerousMs)));

    tool.SetLine(B9600, true);
    tool.Write("AT+CIPR?\r\n");
    EXPECT_EQ(tool.ReadOnce(), "\r\n+CIPR:9600\r\n\r\nOK\r\n");
    EXPECT_EQ(device.Line(), (LineSettings{9600, 8, 'N', 2}));
}

TEST(PtyDevice, SilentOnLeavesALineUnanswered) {
    PtyDevice device;
    device.SilentOn("AT+CIVER?", 1);
    device.Start();
    Terminal tool(device.SlavePath());
    tool.Write("AT+CIVER?\r\n");
    ASSERT_EQ(device.WaitForLine(0, std::chrono::milliseconds(kGenerousMs)), "AT+CIVER?\r\n");
    tool.Write("AT+CIPR?\r\n");
    // The first thing to come back answers the second line.
    EXPECT_EQ(tool.ReadOnce(), "\r\n+CIPR:115200\r\n\r\nOK\r\n");
}

TEST(PtyDevice, SplitOnAnswersInTwoBursts) {
    PtyDevice device;
    device.SplitOn("AT+CIVER?", 400ms);
    device.Start();
    Terminal tool(device.SlavePath());
    tool.Write("AT+CIVER?\r\n");
    EXPECT_EQ(tool.ReadOnce(), "\r\n+CIVER:V3.38\r\n");
    EXPECT_EQ(tool.ReadOnce(), "\r\nOK\r\n");
}

TEST(PtyDevice, EchoComesWithTheAnswer) {
    PtyDevice device;
    device.SetEcho(true);
    device.Start();
    Terminal tool(device.SlavePath());
    tool.Write("AT+CIPR?\r\n");
    EXPECT_EQ(tool.ReadUntil("OK\r\n"), "AT+CIPR?\r\n\r\n+CIPR:115200\r\n\r\nOK\r\n");
}

TEST(PtyDevice, StopIsIdempotentAndTheToolSeesTheLineGo) {
    auto device = std::make_unique<PtyDevice>();
    device->Start();
    Terminal tool(device->SlavePath());
    device->Stop();
    device->Stop();
    device.reset();
    pollfd p{tool.Fd(), POLLIN, 0};
    ASSERT_EQ(poll(&p, 1, kGenerousMs), 1);
    EXPECT_NE(p.revents & POLLHUP, 0);
}

TEST(PtyDevice, HearsATerminalAtARateWithoutAConstant) {
    PtyDevice device;
    device.Start();
    Terminal tool(device.SlavePath());
    tool.Write("AT+CIPR=14400\r\n");
    EXPECT_EQ(tool.ReadOnce(), "\r\nOK\r\n");
    tool.SetSpeed(14400);
    tool.Write("AT+CIPR?\r\n");
    EXPECT_EQ(tool.ReadOnce(), "\r\n+CIPR:14400\r\n\r\nOK\r\n");
    EXPECT_EQ(device.IgnoredBytes(), 0u);
}

TEST(PtyDevice, HangUpClosesTheTerminalWhenTheNextLineArrives) {
    PtyDevice device;
    std::atomic<bool> told{false};
    device.HangUpAfter(1, [&] { told = true; });
    device.Start();
    Terminal tool(device.SlavePath());
    tool.Write("AT\r\n");
    EXPECT_EQ(tool.ReadOnce(), "\r\nOK\r\n");
    tool.Write("AT+CIPR?\r\n");
    pollfd p{tool.Fd(), POLLIN, 0};
    ASSERT_EQ(poll(&p, 1, kGenerousMs), 1);
    EXPECT_NE(p.revents & POLLHUP, 0);
    device.Stop();
    EXPECT_TRUE(told);
    EXPECT_EQ(device.ReceivedLines(), (std::vector<std::string>{"AT\r\n", "AT+CIPR?\r\n"}));
}

TEST(PtyDevice, NoiseKeepsComingAndHoldsNoResult) {
    PtyDevice device;
    device.SetNoise(5ms);
    device.Start();
    Terminal tool(device.SlavePath());
    tool.Write("AT\r\n");
    std::string heard;
    while (heard.size() < 64) {
        std::string more = tool.ReadOnce();
        ASSERT_FALSE(more.empty());
        heard += more;
    }
    EXPECT_EQ(heard.find("OK"), std::string::npos);
    EXPECT_EQ(device.WaitForLine(0, std::chrono::milliseconds(kGenerousMs)), "AT\r\n");
}

TEST(PtyDevice, LinkPointsAtTheSlaveAndGoesWithTheDevice) {
    std::string link = testing::TempDir() + "dtusim_link_test";
    unlink(link.c_str());
    {
        PtyDevice device;
        ASSERT_TRUE(device.MakeLink(link));
        char target[256] = {};
        ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
        EXPECT_EQ(std::string(target), device.SlavePath());
        // A stale link left by a killed run is replaced.
        PtyDevice second;
        ASSERT_TRUE(second.MakeLink(link));
    }
    struct stat st {};
    EXPECT_NE(lstat(link.c_str(), &st), 0);
}

}  // namespace
}  // namespace dtu::sim
