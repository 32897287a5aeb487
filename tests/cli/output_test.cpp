#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <ostream>
#include <sstream>
#include <string>
#include <thread>

#include "cli/nonblocking_output.h"
#include "cli/progress_board.h"

namespace dtu::cli {
namespace {

std::string ReadAll(int fd) {
    std::string bytes;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

// A reader that takes nothing: writing and flushing return at once, and what
// the pipe did not take waits, in order, for the reader or the end.
TEST(NonBlockingOutput, AReaderThatTakesNothingHoldsNothingUp) {
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    NonBlockingOutput buffer(pipeFds[1]);
    std::ostream out(&buffer);
    std::string sent;
    for (int i = 0; i < 20000; ++i) {
        const std::string line = "line " + std::to_string(i) + "\n";
        out << line;
        out.flush();
        sent += line;
    }
    EXPECT_FALSE(buffer.Drained());
    std::string received;
    std::thread reader([&] { received = ReadAll(pipeFds[0]); });
    buffer.Drain();
    EXPECT_TRUE(buffer.Drained());
    ::close(pipeFds[1]);
    reader.join();
    ::close(pipeFds[0]);
    EXPECT_EQ(received, sent);
}

// At the end a pending stop signal ends the wait for a reader that never reads.
TEST(NonBlockingOutput, AStopSignalEndsTheFinalWait) {
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    NonBlockingOutput buffer(pipeFds[1]);
    std::ostream out(&buffer);
    out << std::string(1 << 20, 'x');
    out.flush();
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTERM);
    sigset_t previous;
    ASSERT_EQ(pthread_sigmask(SIG_BLOCK, &stop, &previous), 0);
    ASSERT_EQ(pthread_kill(pthread_self(), SIGTERM), 0);
    buffer.Drain();
    EXPECT_FALSE(buffer.Drained());
    int taken = 0;
    ASSERT_EQ(sigwait(&stop, &taken), 0);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
}

// While the terminal has not taken the last redraw, status changes are not
// drawn; the next redraw shows the latest of them.
TEST(ProgressBoard, RedrawsOnlyWhenTheTerminalKeepsUp) {
    std::ostringstream terminal;
    bool drained = true;
    ProgressBoard board(terminal, {"/dev/ttyUSB0"}, [&drained] { return drained; });
    drained = false;
    const std::size_t before = terminal.str().size();
    board.Set(0, "write 1/18");
    board.Set(0, "write 2/18");
    EXPECT_EQ(terminal.str().size(), before);
    drained = true;
    board.Set(0, "write 3/18");
    const std::string after = terminal.str().substr(before);
    EXPECT_NE(after.find("write 3/18"), std::string::npos) << after;
    EXPECT_EQ(after.find("write 2/18"), std::string::npos) << after;
}

}  // namespace
}  // namespace dtu::cli
