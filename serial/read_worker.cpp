#include "serial/read_worker.h"

#include <poll.h>
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

class BlockFramer {
public:
    explicit BlockFramer(PortSession& session) : session_(session), budget_(session.budget) {}

    void Run() {
        for (;;) {
            std::optional<Clock::duration> wait = TimeLeftInBlock();
            if (wait && *wait <= Clock::duration::zero()) {
                Deliver();
                continue;
            }
            // While the owner has a full budget of blocks to take, the port waits.
            const int port = budget_->Full() ? -1 : session_.fd;
            std::array<pollfd, 3> fds = {
                {{session_.closeFd, POLLIN, 0}, {port, POLLIN, 0}, {budget_->WakeFd(), POLLIN, 0}}};
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
            if (fds[2].revents != 0) {
                budget_->Drain();  // room to read again
                continue;
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
        if (last != first) {
            auto now = Clock::now();
            if (length_ == 0) {
                firstByte_ = now;
            }
            lastByte_ = now;
            length_ += static_cast<std::size_t>(last - first);
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
        session_.notices.ReceiveData(std::string(buffer_.data(), length_),
                                     ReceiveBudget::Take(budget_, length_));
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
    const std::shared_ptr<ReceiveBudget> budget_;
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
