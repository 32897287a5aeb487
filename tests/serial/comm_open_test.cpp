#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "comm_fixture.h"
#include "serial/port_lock.h"

namespace dtu::test {
namespace {

// Why StartPort refused, or None when it opened.
OpenFailure StartError(TComm& comm) {
    try {
        comm.StartPort();
    } catch (const ECommsError& error) {
        return error.Failure().kind;
    }
    return OpenFailure::None;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The PID of a process that has ended.
pid_t EndedProcess() {
    pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

using CommOpen = CommFixture;

TEST_F(CommOpen, SecondStartLeavesTheFirstOpeningWorking) {
    comm.StartPort();
    EXPECT_EQ(StartError(comm), OpenFailure::AlreadyOpen);
    ASSERT_TRUE(comm.IsOpen());
    pty.Write("still here");
    ASSERT_TRUE(poster.PumpUntil([&] { return BytesReceived() == 10; }));
    ASSERT_TRUE(comm.WriteBlock("AT\r\n", 4));
    EXPECT_EQ(pty.Read(4), "AT\r\n");
}

TEST_F(CommOpen, PortHeldByAnotherComponentIsRefused) {
    comm.StartPort();
    TComm second(poster);
    second.SetCommName(pty.SlavePath());
    EXPECT_EQ(StartError(second), OpenFailure::Busy);
    EXPECT_FALSE(second.IsOpen());
}

TEST_F(CommOpen, PortLockedByAnotherDescriptorIsRefusedWithAReason) {
    int other = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    try {
        comm.StartPort();
        ADD_FAILURE() << "opened a locked port";
    } catch (const ECommsError& error) {
        EXPECT_EQ(error.Failure().kind, OpenFailure::Busy);
        EXPECT_EQ(error.Failure().holderPid, getpid());
    }
    close(other);
    EXPECT_FALSE(comm.IsOpen());
    comm.StartPort();
    EXPECT_TRUE(comm.IsOpen());
}

TEST_F(CommOpen, MissingDeviceIsAnOpenError) {
    comm.SetCommName("/dev/no-such-serial-port");
    try {
        comm.StartPort();
        ADD_FAILURE() << "opened a missing device";
    } catch (const ECommsError& error) {
        EXPECT_EQ(error.Failure().kind, OpenFailure::Missing);
        EXPECT_EQ(error.Failure().path, "/dev/no-such-serial-port");
    }
    EXPECT_FALSE(comm.IsOpen());
}

TEST_F(CommOpen, DeviceThatIsNoTerminalIsRefused) {
    comm.SetCommName("/dev/null");
    EXPECT_EQ(StartError(comm), OpenFailure::Other);
    EXPECT_FALSE(comm.IsOpen());
}

TEST_F(CommOpen, StopPortTwiceAndWhenClosedIsHarmless) {
    comm.StopPort();
    comm.StartPort();
    comm.StopPort();
    comm.StopPort();
    EXPECT_FALSE(comm.IsOpen());
    comm.StartPort();
    EXPECT_TRUE(comm.IsOpen());
}

TEST_F(CommOpen, CloseRestoresTheTerminalSettingsItFound) {
    termios before{};
    ASSERT_EQ(tcgetattr(pty.Master(), &before), 0);
    ASSERT_NE(before.c_lflag & ICANON, 0u);
    comm.StartPort();
    termios during{};
    ASSERT_EQ(tcgetattr(pty.Master(), &during), 0);
    EXPECT_EQ(during.c_lflag & ICANON, 0u);
    comm.StopPort();
    termios after{};
    ASSERT_EQ(tcgetattr(pty.Master(), &after), 0);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(after.c_oflag, before.c_oflag);
}

TEST(DevicePath, BareNamesLiveInDev) {
    EXPECT_EQ(DevicePathFor("ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(DevicePathFor("pts/3"), "/dev/pts/3");
    EXPECT_EQ(DevicePathFor("/dev/ttyS1"), "/dev/ttyS1");
}

class CommLockFile : public CommFixture {
protected:
    void SetUp() override {
        lockPath = UucpLockPath(pty.SlavePath());
        if (lockPath.empty()) {
            GTEST_SKIP() << "no writable lock directory";
        }
    }
    void TearDown() override {
        if (!lockPath.empty()) {
            comm.StopPort();
            std::remove(lockPath.c_str());
        }
    }
    std::string lockPath;
};

TEST_F(CommLockFile, HoldsTheLockFileWhileOpen) {
    comm.StartPort();
    char expected[16];
    std::snprintf(expected, sizeof expected, "%10d\n", static_cast<int>(getpid()));
    EXPECT_EQ(ReadFile(lockPath), expected);
    comm.StopPort();
    EXPECT_NE(access(lockPath.c_str(), F_OK), 0);
}

TEST_F(CommLockFile, LockOfALiveProcessRefusesTheOpen) {
    WriteFile(lockPath, "         1\n");
    try {
        comm.StartPort();
        ADD_FAILURE() << "opened a port locked by PID 1";
    } catch (const ECommsError& error) {
        EXPECT_EQ(error.Failure().kind, OpenFailure::Busy);
        EXPECT_EQ(error.Failure().holderPid, 1);
    }
    EXPECT_FALSE(comm.IsOpen());
    EXPECT_EQ(ReadFile(lockPath), "         1\n");
}

TEST_F(CommLockFile, StaleLockIsTakenOver) {
    char stale[16];
    std::snprintf(stale, sizeof stale, "%10d\n", static_cast<int>(EndedProcess()));
    WriteFile(lockPath, stale);
    comm.StartPort();
    char mine[16];
    std::snprintf(mine, sizeof mine, "%10d\n", static_cast<int>(getpid()));
    EXPECT_EQ(ReadFile(lockPath), mine);
}

// A port opened through a link: programs given the link lock the link's name,
// programs given the device lock the device's, so both names count.
class CommLinkLock : public CommFixture {
protected:
    void SetUp() override {
        link = "/tmp/ttyDtuLink" + std::to_string(getpid());
        std::remove(link.c_str());
        ASSERT_EQ(symlink(pty.SlavePath().c_str(), link.c_str()), 0);
        linkLock = UucpLockPath(link);
        deviceLock = UucpLockPath(pty.SlavePath());
        if (linkLock.empty()) {
            GTEST_SKIP() << "no writable lock directory";
        }
        ASSERT_NE(linkLock, deviceLock);
        comm.SetCommName(link);
    }
    void TearDown() override {
        comm.StopPort();
        for (const std::string& path : {link, linkLock, deviceLock}) {
            std::remove(path.c_str());
        }
    }
    std::string link;
    std::string linkLock;
    std::string deviceLock;
};

TEST_F(CommLinkLock, BothNamesAreLockedWhileOpenAndFreedOnClose) {
    comm.StartPort();
    char mine[16];
    std::snprintf(mine, sizeof mine, "%10d\n", static_cast<int>(getpid()));
    EXPECT_EQ(ReadFile(linkLock), mine);
    EXPECT_EQ(ReadFile(deviceLock), mine);
    comm.StopPort();
    EXPECT_NE(access(linkLock.c_str(), F_OK), 0);
    EXPECT_NE(access(deviceLock.c_str(), F_OK), 0);
}

// A live lock under either name refuses the open and stays; a stale one under
// either name is taken over.
TEST_F(CommLinkLock, EitherNameLocksThePort) {
    char stale[16];
    std::snprintf(stale, sizeof stale, "%10d\n", static_cast<int>(EndedProcess()));
    struct Case {
        const char* name;
        bool onLink;
        std::string owner;
        bool opens;
    };
    const Case cases[] = {
        {"live_lock_on_the_link", true, "         1\n", false},
        {"live_lock_on_the_device", false, "         1\n", false},
        {"stale_lock_on_the_link", true, stale, true},
        {"stale_lock_on_the_device", false, stale, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string& locked = c.onLink ? linkLock : deviceLock;
        const std::string& other = c.onLink ? deviceLock : linkLock;
        WriteFile(locked, c.owner);
        EXPECT_EQ(StartError(comm), c.opens ? OpenFailure::None : OpenFailure::Busy);
        EXPECT_EQ(comm.IsOpen(), c.opens);
        if (!c.opens) {
            EXPECT_EQ(ReadFile(locked), c.owner);
            EXPECT_NE(access(other.c_str(), F_OK), 0) << "no lock left of the refused open";
        }
        comm.StopPort();
        std::remove(locked.c_str());
    }
}

// Programs given a stable name lock that name: a live lock under any link of
// the by-id or by-path kind that leads to the node holds the port, whatever
// name it is opened by; a stale one does not.
TEST_F(CommOpen, ALiveLockUnderAStableNameOfTheNodeRefusesTheOpen) {
    const std::string dir = "/tmp/dtu-by-id-" + std::to_string(getpid());
    const std::string link = dir + "/usb-Dtu_Test_0001-if00-port0";
    std::filesystem::create_directory(dir);
    ASSERT_EQ(symlink(pty.SlavePath().c_str(), link.c_str()), 0);
    const std::string lock = UucpLockPath(link);
    if (lock.empty()) {
        std::filesystem::remove_all(dir);
        GTEST_SKIP() << "no writable lock directory";
    }
    char stale[16];
    std::snprintf(stale, sizeof stale, "%10d\n", static_cast<int>(EndedProcess()));
    for (const std::string& owner : {std::string("         1\n"), std::string(stale)}) {
        WriteFile(lock, owner);
        ExclusivePort port({dir});
        try {
            port.Open(pty.SlavePath());
            EXPECT_NE(owner, "         1\n") << "opened a port locked under its stable name";
        } catch (const ECommsError& error) {
            EXPECT_EQ(error.Failure().kind, OpenFailure::Busy);
            EXPECT_EQ(error.Failure().holderPid, 1);
        }
        EXPECT_EQ(ReadFile(lock), owner);
    }
    std::remove(lock.c_str());
    std::filesystem::remove_all(dir);
}

// Opens `path` as an unprivileged user in a child process: 0 opened, 1 busy,
// 2 other refusal, 77 when the child cannot drop its rights.
int OpenAsNobody(const std::string& path) {
    pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) {
            _exit(77);
        }
        int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        _exit(fd >= 0 ? 0 : errno == EBUSY ? 1 : 2);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(CommOpen, ExclusiveTerminalRefusesOtherUsersWhileOpen) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root to open the port as another user";
    }
    ASSERT_EQ(chmod(pty.SlavePath().c_str(), 0666), 0);
    comm.StartPort();
    int whileOpen = OpenAsNobody(pty.SlavePath());
    if (whileOpen == 77) {
        GTEST_SKIP() << "cannot switch to an unprivileged user";
    }
    EXPECT_EQ(whileOpen, 1);
    comm.StopPort();
    EXPECT_EQ(OpenAsNobody(pty.SlavePath()), 0);
}

}  // namespace
}  // namespace dtu::test
