#include "cli/nonblocking_output.h"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

namespace dtu::cli {

namespace {

// No more than a pipe takes at once once it says it is writable, so that no
// write() waits for room.
constexpr std::size_t kChunk = PIPE_BUF;
constexpr int kDrainPollMs = 100;

bool StopSignalPending() {
    sigset_t pending;
    return sigpending(&pending) == 0 &&
           (sigismember(&pending, SIGINT) == 1 || sigismember(&pending, SIGTERM) == 1 ||
            sigismember(&pending, SIGHUP) == 1);
}

}  // namespace

NonBlockingOutput::int_type NonBlockingOutput::overflow(int_type byte) {
    if (!traits_type::eq_int_type(byte, traits_type::eof())) {
        pending_.push_back(traits_type::to_char_type(byte));
    }
    return traits_type::not_eof(byte);
}

std::streamsize NonBlockingOutput::xsputn(const char* bytes, std::streamsize count) {
    pending_.append(bytes, static_cast<std::size_t>(count));
    return count;
}

int NonBlockingOutput::sync() {
    WriteReady(0);
    return 0;
}

bool NonBlockingOutput::WriteReady(int waitMs) {
    while (!pending_.empty()) {
        pollfd ready{fd_, POLLOUT, 0};
        const int polled = ::poll(&ready, 1, waitMs);
        if (polled < 0 && errno == EINTR) {
            continue;
        }
        if (polled <= 0) {
            return polled == 0;
        }
        if ((ready.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            pending_.clear();
            return false;
        }
        const ssize_t written = ::write(fd_, pending_.data(), std::min(pending_.size(), kChunk));
        if (written < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            pending_.clear();
            return false;
        }
        pending_.erase(0, static_cast<std::size_t>(written));
    }
    return true;
}

void NonBlockingOutput::Drain() {
    while (!pending_.empty() && !StopSignalPending()) {
        if (!WriteReady(kDrainPollMs)) {
            return;
        }
    }
}

}  // namespace dtu::cli
