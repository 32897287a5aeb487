#include "serial_test_support.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace dtu::test {

void QueuePoster::Post(std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        work_.push_back(std::move(work));
    }
    posted_.notify_all();
}

std::function<void()> QueuePoster::Take(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    if (!posted_.wait_until(lock, deadline, [this] { return !work_.empty(); })) {
        return {};
    }
    std::function<void()> work = std::move(work_.front());
    work_.pop_front();
    return work;
}

bool QueuePoster::PumpUntil(const std::function<bool()>& done) {
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!done()) {
        std::function<void()> work = Take(deadline);
        if (!work) {
            return done();
        }
        work();
    }
    return true;
}

bool QueuePoster::WaitForQueued(std::size_t count) {
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, kPatience, [&] { return work_.size() >= count; });
}

void QueuePoster::PumpPending() {
    while (std::function<void()> work = Take(std::chrono::steady_clock::now())) {
        work();
    }
}

PseudoTerminal::PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        throw std::runtime_error("no pseudo-terminal");
    }
    slavePath_ = ptsname(master_);
}

PseudoTerminal::~PseudoTerminal() {
    CloseMaster();
}

void PseudoTerminal::Write(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            throw std::runtime_error("pseudo-terminal write failed");
        }
        pollfd fd{master_, POLLOUT, 0};
        poll(&fd, 1, static_cast<int>(std::chrono::milliseconds(kPatience).count()));
    }
}

std::string PseudoTerminal::Read(std::size_t count) {
    std::string bytes;
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    char buffer[4096];
    while (bytes.size() < count) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fd{master_, POLLIN, 0};
        if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        ssize_t n = read(master_, buffer, std::min(sizeof buffer, count - bytes.size()));
        if (n > 0) {
            bytes.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            break;
        }
    }
    return bytes;
}

std::string PseudoTerminal::ReadUntilClosed() {
    std::string bytes;
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    char buffer[4096];
    for (;;) {
        ssize_t n = read(master_, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        // EIO once the slave side is closed and nothing is left to read.
        if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            return bytes;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fd{master_, POLLIN, 0};
        if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) < 0) {
            return bytes;
        }
    }
}

void PseudoTerminal::CloseMaster() {
    if (master_ >= 0) {
        close(master_);
        master_ = -1;
    }
}

}  // namespace dtu::test
