#include "serial/read_worker.h"

#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <optional>
#include <string>

namespace dtu {

namespace {

using Clock = std::chrono::steady_clock;

struct ErrorCounter {
    int serial_icounter_struct::*counter;
    std::uint32_t flag;
};

constexpr std::array<ErrorCounter, 5> kErrorCounters = {{
    {&serial_icounter_struct::buf_overrun, kErrorRxOver},
    {&serial_icounter_struct::overrun, kErrorOverrun},
    {&serial_icounter_struct::parity, kErrorParity},
    {&serial_icounter_struct::frame, kErrorFrame},
    {&serial_icounter_struct::brk, kErrorBreak},
}};

// Line-error counters of the driver; a pseudo-terminal has none.
class LineErrorCounts {
public:
    explicit LineErrorCounts(int fd) : fd_(fd) {
        supported_ = ioctl(fd_, TIOCGICOUNT, &last_) == 0;
    }

    // Flags of the counters that grew since the last call.
    std::uint32_t NewErrors() {
        serial_icounter_struct now{};
        if (!supported_ || ioctl(fd_, TIOCGICOUNT, &now) != 0) {
            return 0;
        }
        std::uint32_t flags = 0;
        for (const auto& [counter, flag] : kErrorCounters) {
            if (now.*counter != last_.*counter) {
                flags |= flag;
            }
        }
        last_ = now;
        return flags;
    }

private:
    int fd_;
    bool supported_ = false;
    serial_icounter_struct last_{};
};

class BlockFramer {
public:
    explicit BlockFramer(PortSession& session) : session_(session), errors_(session.fd) {}

    void Run() {
        for (;;) {
            std::optional<Clock::duration> wait = TimeLeftInBlock();
            if (wait && *wait <= Clock::duration::zero()) {
                Deliver();
                continue;
            }
            std::array<pollfd, 2> fds = {{{session_.closeFd, POLLIN, 0}, {session_.fd, POLLIN, 0}}};
            timespec timeout{};
            if (wait) {
                auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(*wait).count();
                timeout.tv_sec = ns / 1'000'000'000;
                timeout.tv_nsec = ns % 1'000'000'000;
            }
            int ready = ppoll(fds.data(), fds.size(), wait ? &timeout : nullptr, nullptr);
            if (ready < 0) {
                if (errno == EINTR) {
                    continue;
                }
                session_.ReportLost();
                return;
            }
            if (fds[0].revents != 0) {
                return;
            }
            if (ready == 0) {
                continue;  // the block's time is up; delivered at the top
            }
            if ((fds[1].revents & POLLIN) != 0) {
                if (!ReadMore()) {
                    return;
                }
            } else if ((fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
                Fail();
                return;
            }
        }
    }

private:
    // Time until the open block is complete; nothing while no block is open
    // or when only a full buffer completes it.
    std::optional<Clock::duration> TimeLeftInBlock() const {
        if (length_ == 0) {
            return std::nullopt;
        }
        std::optional<Clock::time_point> deadline;
        if (std::uint32_t interval = session_.readInterval; interval != 0) {
            // A reader of lines also hears a slow device's bytes as they come.
            deadline = (session_.deliverAtLineEnd ? firstByte_ : lastByte_) +
                       std::chrono::milliseconds(interval);
        }
        std::uint64_t total = std::uint64_t{session_.readTotalMultiplier} * kReadBlockSize +
                              session_.readTotalConstant;
        if (total != 0) {
            auto byTotal = firstByte_ + std::chrono::milliseconds(total);
            deadline = deadline ? std::min(*deadline, byTotal) : byTotal;
        }
        if (!deadline) {
            return std::nullopt;
        }
        return *deadline - Clock::now();
    }

    // False when the reader has to end.
    bool ReadMore() {
        ssize_t n = read(session_.fd, buffer_.data() + length_, buffer_.size() - length_);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            return true;
        }
        if (n <= 0) {
            Fail();  // 0 is a hang-up on a tty
            return false;
        }
        char* first = buffer_.data() + length_;
        char* last = first + n;
        if (session_.ignoreNullChar) {
            last = std::remove(first, last, '\0');
        }
        if (last != first) {
            auto now = Clock::now();
            if (length_ == 0) {
                firstByte_ = now;
            }
            lastByte_ = now;
            length_ += static_cast<std::size_t>(last - first);
        }
        if (std::uint32_t flags = errors_.NewErrors(); flags != 0) {
            session_.notices.ReceiveError(flags);
        }
        if (length_ == buffer_.size() || (session_.deliverAtLineEnd && EndsAtLineEnd())) {
            Deliver();
        }
        return true;
    }

    bool EndsAtLineEnd() const {
        return length_ != 0 && (buffer_[length_ - 1] == '\n' || buffer_[length_ - 1] == '\r');
    }

    void Deliver() {
        session_.notices.ReceiveData(std::string(buffer_.data(), length_));
        length_ = 0;
    }

    // Hands over what already arrived, then reports the failure.
    void Fail() {
        if (length_ != 0) {
            Deliver();
        }
        session_.ReportLost();
    }

    PortSession& session_;
    LineErrorCounts errors_;
    std::array<char, kReadBlockSize> buffer_{};
    std::size_t length_ = 0;
    Clock::time_point firstByte_;
    Clock::time_point lastByte_;
};

}  // namespace

void RunReader(PortSession& session) {
    BlockFramer(session).Run();
}

}  // namespace dtu
