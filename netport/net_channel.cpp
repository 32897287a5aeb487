#include "netport/net_channel.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>
#include <vector>

#include "serial/read_worker.h"

namespace dtu {

namespace {

using Clock = std::chrono::steady_clock;

// Bounds one blocked write: a server that takes nothing for this long is gone.
constexpr int kWriteStallMs = 5000;

}  // namespace

NetChannel::NetChannel(int fd, bool telnet, std::uint32_t framingMs, Sink sink)
    : fd_(fd),
      wake_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)),
      telnet_(telnet),
      framingMs_(framingMs),
      sink_(std::move(sink)),
      options_(telnet) {
    if (wake_ < 0) {
        close(fd_);
        throw std::system_error(errno, std::generic_category(), "eventfd");
    }
    try {
        budget_ = std::make_shared<ReceiveBudget>();
    } catch (const std::system_error&) {
        close(wake_);
        close(fd_);
        throw;
    }
    reader_ = std::thread([this] { Run(); });
}

NetChannel::~NetChannel() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
    reader_.join();
    close(wake_);
    close(fd_);
}

bool NetChannel::Write(std::string_view data) {
    const std::lock_guard lock(writeMutex_);
    return WriteRaw(telnet_ ? telnet::EscapeIac(data) : std::string(data));
}

bool NetChannel::WriteRaw(std::string_view bytes) {
    while (!bytes.empty() && !failed_) {
        const ssize_t sent = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        pollfd entry{fd_, POLLOUT, 0};
        if (sent < 0 && errno == EAGAIN && poll(&entry, 1, kWriteStallMs) > 0) {
            continue;
        }
        failed_ = true;
    }
    return !failed_;
}

void NetChannel::Abort() {
    {
        const std::lock_guard lock(answerMutex_);
        failed_ = true;
        lost_ = true;
    }
    answered_.notify_all();
}

bool NetChannel::Lost() {
    const std::lock_guard lock(answerMutex_);
    return lost_;
}

NetChannel::Greeting NetChannel::WaitForGreeting(std::chrono::milliseconds bound) {
    std::unique_lock lock(answerMutex_);
    answered_.wait_for(lock, bound, [this] { return greeting_ != Greeting::Waiting || lost_; });
    return greeting_ == Greeting::Waiting && lost_ ? Greeting::Lost : greeting_;
}

NetChannel::ComPortState NetChannel::WaitForComPort(std::chrono::milliseconds bound) {
    std::unique_lock lock(answerMutex_);
    answered_.wait_for(lock, bound, [this] { return comPort_ != ComPortState::Waiting || lost_; });
    return comPort_ == ComPortState::Waiting && lost_ ? ComPortState::Lost : comPort_;
}

std::optional<std::uint32_t> NetChannel::Ask(telnet::ComPortCommand command, std::uint32_t value,
                                             std::chrono::milliseconds bound) {
    {
        const std::lock_guard lock(answerMutex_);
        answers_.erase(command);
    }
    {
        // Never under answerMutex_: the reader takes the two the other way round.
        const std::lock_guard writing(writeMutex_);
        if (!WriteRaw(telnet::ComPortRequest(command, value))) {
            return std::nullopt;
        }
    }
    std::unique_lock lock(answerMutex_);
    answered_.wait_for(lock, bound, [&] { return answers_.contains(command) || lost_; });
    const auto answer = answers_.find(command);
    return answer != answers_.end() ? std::optional(answer->second) : std::nullopt;
}

void NetChannel::Run() {
    std::string pending;
    Clock::time_point blockEnd;
    std::array<char, kReadBlockSize> buffer{};
    for (;;) {
        int timeout = -1;
        if (!pending.empty()) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(blockEnd - Clock::now());
            timeout = static_cast<int>(std::max<std::int64_t>(left.count(), 0));
        }
        // While the owner has a full budget of blocks to take, the socket waits.
        const int socket = budget_->Full() ? -1 : fd_;
        std::array<pollfd, 3> entries{
            {{socket, POLLIN, 0}, {wake_, POLLIN, 0}, {budget_->WakeFd(), POLLIN, 0}}};
        const int ready = poll(entries.data(), entries.size(), timeout);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (entries[1].revents != 0) {
            return;  // closed by the owner: no notices
        }
        if (ready == 0) {
            Deliver(std::move(pending));
            pending.clear();
            continue;
        }
        if (entries[2].revents != 0) {
            budget_->Drain();  // room to read again
        }
        if (ready > 0 && entries[0].revents == 0) {
            continue;
        }
        const ssize_t count = ready < 0 ? -1 : read(fd_, buffer.data(), buffer.size());
        if (count < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        const std::size_t before = pending.size();
        if (count <= 0 || !Take({buffer.data(), static_cast<std::size_t>(count)}, pending)) {
            break;
        }
        // Answers are read line by line: a line end hands the block over at once, and
        // no byte waits longer than the framing interval, so a slow device is heard.
        if (!pending.empty() && (pending.back() == '\n' || pending.back() == '\r')) {
            Deliver(std::move(pending));
            pending.clear();
        } else if (before == 0 && !pending.empty()) {
            blockEnd = Clock::now() + std::chrono::milliseconds(framingMs_.load());
        }
    }
    if (!pending.empty()) {
        Deliver(std::move(pending));
    }
    failed_ = true;
    {
        const std::lock_guard lock(answerMutex_);
        lost_ = true;
    }
    answered_.notify_all();
    sink_.lost();
}

void NetChannel::Deliver(std::string block) {
    const std::size_t size = block.size();
    sink_.data(std::move(block), ReceiveBudget::Take(budget_, size));
}

bool NetChannel::Greeted(std::string_view& bytes) {
    if (greeting_ == Greeting::Telnet) {  // only the reader writes it
        return true;
    }
    firstBytes_.append(bytes);
    switch (telnet::ClassifyGreeting(firstBytes_)) {
        case telnet::Greeting::Unknown:
            return false;
        case telnet::Greeting::Plain:
            SetGreeting(Greeting::Plain);
            failed_ = true;  // nothing of ours may reach it
            return false;
        case telnet::Greeting::Telnet:
            break;
    }
    {
        const std::lock_guard writing(writeMutex_);
        WriteRaw(options_.Opening());
    }
    SetGreeting(Greeting::Telnet);
    bytes = firstBytes_;
    return true;
}

void NetChannel::SetGreeting(Greeting greeting) {
    {
        const std::lock_guard lock(answerMutex_);
        greeting_ = greeting;
    }
    answered_.notify_all();
}

bool NetChannel::Take(std::string_view bytes, std::string& pending) {
    if (!telnet_) {
        pending.append(bytes);
    } else if (Greeted(bytes)) {
        std::vector<telnet::Control> controls;
        decoder_.Feed(bytes, pending, controls);
        for (const telnet::Control& control : controls) {
            Answer(control);
        }
    }
    while (pending.size() >= kReadBlockSize) {
        Deliver(pending.substr(0, kReadBlockSize));
        pending.erase(0, kReadBlockSize);
    }
    return !failed_;
}

void NetChannel::Answer(const telnet::Control& control) {
    if (control.verb != telnet::kSb) {
        {
            const std::lock_guard writing(writeMutex_);
            WriteRaw(options_.Answer(control.verb, control.option));
        }
        if (control.option == telnet::kComPort) {
            const std::lock_guard lock(answerMutex_);
            if (control.verb == telnet::kDo) {
                comPort_ = ComPortState::Agreed;
            } else if (control.verb == telnet::kDont) {
                comPort_ = ComPortState::Refused;
            }
            answered_.notify_all();
        }
        return;
    }
    if (control.option != telnet::kComPort) {
        return;
    }
    if (const std::optional<telnet::ComPortAnswer> answer =
            telnet::ParseComPortAnswer(control.payload)) {
        const std::lock_guard lock(answerMutex_);
        answers_[answer->command] = answer->value;
        answered_.notify_all();
    }
}

}  // namespace dtu
