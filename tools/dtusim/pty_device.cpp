#include "tools/dtusim/pty_device.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <system_error>

#include "serial/port_speed.h"

namespace dtu::sim {

namespace {

using Clock = std::chrono::steady_clock;

// A reader that stopped reading must not hold the device up for ever.
constexpr int kWriteStallMs = 1000;
constexpr std::size_t kMaxChunk = 4096;

[[noreturn]] void Fail(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

bool EndsLine(char c) {
    return c == '\r' || c == '\n';
}

constexpr Clock::time_point kNever = Clock::time_point::max();

// Milliseconds until `deadline`, -1 for never.
int MsUntil(Clock::time_point deadline) {
    if (deadline == kNever) {
        return -1;
    }
    auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::int64_t>(0, left.count()));
}

}  // namespace

PtyDevice::PtyDevice(Mode mode) : device_(mode) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) {
        Fail("posix_openpt");
    }
    char name[PATH_MAX];
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name, sizeof name) != 0) {
        int saved = errno;
        close(master_);
        errno = saved;
        Fail("pseudo-terminal set-up");
    }
    slavePath_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);

    // The slave's termios, set through the master: raw at the device's own start settings.
    termios tio{};
    tcgetattr(master_, &tio);
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~CSTOPB;
    cfsetispeed(&tio, B115200);
    cfsetospeed(&tio, B115200);
    tcsetattr(master_, TCSANOW, &tio);

    holder_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    wake_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (holder_ < 0 || wake_ < 0) {
        int saved = errno;
        if (holder_ >= 0) {
            close(holder_);
        }
        close(master_);
        errno = saved;
        Fail("pseudo-terminal slave");
    }
    line_ = device_.Line();
}

PtyDevice::~PtyDevice() {
    Stop();
    if (!link_.empty()) {
        // Only our own link: another simulator may have taken the name since.
        char target[PATH_MAX];
        ssize_t n = readlink(link_.c_str(), target, sizeof target - 1);
        if (n >= 0 && std::string_view(target, static_cast<std::size_t>(n)) == slavePath_) {
            unlink(link_.c_str());
        }
    }
    close(wake_);
    close(holder_);
    if (master_ >= 0) {
        close(master_);
    }
}

bool PtyDevice::MakeLink(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            errno = EEXIST;
            return false;
        }
        if (unlink(path.c_str()) != 0) {
            return false;
        }
    }
    if (symlink(slavePath_.c_str(), path.c_str()) != 0) {
        return false;
    }
    link_ = path;
    return true;
}

void PtyDevice::Start() {
    if (!thread_.joinable()) {
        thread_ = std::thread(&PtyDevice::Run, this);
    }
}

void PtyDevice::Stop() {
    if (!thread_.joinable()) {
        return;
    }
    std::uint64_t one = 1;
    while (write(wake_, &one, sizeof one) < 0 && errno == EINTR) {
    }
    thread_.join();
    std::uint64_t count = 0;
    while (read(wake_, &count, sizeof count) < 0 && errno == EINTR) {
    }
}

void PtyDevice::SetTrace(std::function<void(std::string_view, std::string_view)> trace) {
    trace_ = std::move(trace);
}

void PtyDevice::Run() {
    std::string buffer;
    char data[kMaxChunk];
    Clock::time_point chunkEnd = kNever;  // a pause this long ends the chunk
    Clock::time_point nextNoise = noiseEvery_.count() > 0 ? Clock::now() + noiseEvery_ : kNever;
    for (;;) {
        if (HangUpIfDue()) {
            return;
        }
        if (Clock::now() >= chunkEnd) {
            Deliver(buffer);
            buffer.clear();
            chunkEnd = kNever;
            continue;
        }
        if (Clock::now() >= nextNoise) {
            SendNoise();
            nextNoise = Clock::now() + noiseEvery_;
            continue;
        }
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_, POLLIN, 0}};
        int ready = poll(fds, 2, MsUntil(std::min(chunkEnd, nextNoise)));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0 || (fds[1].revents & POLLIN) != 0) {
            return;
        }
        if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) == 0) {
            continue;
        }
        ssize_t got = read(master_, data, sizeof data);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
            continue;
        }
        if (got <= 0) {
            // The pseudo-terminal is gone; wait for Stop rather than spin.
            pollfd wake{wake_, POLLIN, 0};
            while (poll(&wake, 1, -1) < 0 && errno == EINTR) {
            }
            return;
        }
        if (!LineMatches()) {
            {
                std::lock_guard lock(mutex_);
                ignored_ += static_cast<std::size_t>(got);
                changed_.notify_all();
            }
            if (trace_) {
                trace_("ignored", std::string_view(data, static_cast<std::size_t>(got)));
            }
            if (noiseAtWrongSpeed_) {
                SendNoise();
            }
            buffer.clear();
            chunkEnd = kNever;
            continue;
        }
        buffer.append(data, static_cast<std::size_t>(got));
        chunkEnd = Clock::now() + kFramePause;
        if (EndsLine(buffer.back()) || buffer.size() >= kMaxChunk) {
            Deliver(buffer);
            buffer.clear();
            chunkEnd = kNever;
        }
    }
}

bool PtyDevice::HangUpIfDue() {
    {
        std::lock_guard lock(mutex_);
        if (!device_.HungUp()) {
            return false;
        }
    }
    close(master_);
    master_ = -1;
    if (trace_) {
        trace_("hangup", {});
    }
    if (onHangup_) {
        onHangup_();
    }
    return true;
}

void PtyDevice::SendNoise() {
    std::string noise;
    {
        std::lock_guard lock(mutex_);
        noise = device_.Noise();
    }
    if (WriteBurst(noise) && trace_) {
        trace_("tx", noise);
    }
}

void PtyDevice::Deliver(const std::string& chunk) {
    Answer answer;
    {
        std::lock_guard lock(mutex_);
        answer = device_.Receive(chunk);
        lines_.insert(lines_.end(), answer.heard.begin(), answer.heard.end());
        changed_.notify_all();
    }
    if (trace_) {
        trace_("rx", chunk);
    }
    for (const Burst& burst : answer.bursts) {
        if (StopRequestedWithin(burst.pauseBefore) || !WriteBurst(burst.bytes)) {
            return;
        }
        if (trace_) {
            trace_("tx", burst.bytes);
        }
    }
    if (answer.switchTo) {
        std::lock_guard lock(mutex_);
        line_ = *answer.switchTo;
    }
}

bool PtyDevice::LineMatches() const {
    termios tio{};
    std::optional<PortSpeed> speed = ReadSpeed(master_);
    if (!speed || tcgetattr(master_, &tio) != 0) {
        return true;
    }
    // A pseudo-terminal keeps speed and stop bits but forces 8 bits without
    // parity, so only those two can be compared.
    std::lock_guard lock(mutex_);
    bool twoStops = (tio.c_cflag & CSTOPB) != 0;
    return speed->output == static_cast<std::uint32_t>(line_.baudRate) &&
           twoStops == (line_.stopBits == 2);
}

bool PtyDevice::WriteBurst(std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t done = write(master_, bytes.data(), bytes.size());
        if (done > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(done));
            continue;
        }
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done < 0 && errno != EAGAIN) {
            return false;
        }
        pollfd fds[2] = {{master_, POLLOUT, 0}, {wake_, POLLIN, 0}};
        if (poll(fds, 2, kWriteStallMs) <= 0 || (fds[1].revents & POLLIN) != 0) {
            return false;
        }
    }
    return true;
}

bool PtyDevice::StopRequestedWithin(std::chrono::milliseconds wait) const {
    if (wait.count() <= 0) {
        return false;
    }
    pollfd wake{wake_, POLLIN, 0};
    int ready;
    while ((ready = poll(&wake, 1, static_cast<int>(wait.count()))) < 0 && errno == EINTR) {
    }
    return ready > 0;
}

bool PtyDevice::SetBaudRate(int rate) {
    std::lock_guard lock(mutex_);
    if (!device_.SetBaudRate(rate)) {
        return false;
    }
    line_ = device_.Line();
    return true;
}

bool PtyDevice::SetFirmware(std::string_view version) {
    std::lock_guard lock(mutex_);
    return device_.SetFirmware(version);
}

void PtyDevice::SilentOn(std::string_view line, int times) {
    std::lock_guard lock(mutex_);
    device_.SilentOn(line, times);
}

void PtyDevice::SplitOn(std::string_view line, std::chrono::milliseconds pause) {
    std::lock_guard lock(mutex_);
    device_.SplitOn(line, pause);
}

void PtyDevice::SetEcho(bool on) {
    std::lock_guard lock(mutex_);
    device_.SetEcho(on);
}

void PtyDevice::SplitEveryLine(std::chrono::milliseconds pause) {
    std::lock_guard lock(mutex_);
    device_.SplitEveryLine(pause);
}

void PtyDevice::SetForgetful(bool on) {
    std::lock_guard lock(mutex_);
    device_.SetForgetful(on);
}

void PtyDevice::LeaveOut(std::string_view name) {
    std::lock_guard lock(mutex_);
    device_.LeaveOut(name);
}

void PtyDevice::ErrorOn(std::string_view line, int times) {
    std::lock_guard lock(mutex_);
    device_.ErrorOn(line, times);
}

void PtyDevice::SilentAfter(int count) {
    std::lock_guard lock(mutex_);
    device_.SilentAfter(count);
}

void PtyDevice::HangUpAfter(int count, std::function<void()> onHangup) {
    onHangup_ = std::move(onHangup);
    std::lock_guard lock(mutex_);
    device_.HangUpAfter(count);
}

void PtyDevice::SetAnswerShape(const AnswerShape& shape) {
    std::lock_guard lock(mutex_);
    device_.SetAnswerShape(shape);
}

void PtyDevice::SetTrickle(std::chrono::milliseconds pause) {
    std::lock_guard lock(mutex_);
    device_.SetTrickle(pause);
}

void PtyDevice::SetNoise(std::chrono::milliseconds every) {
    noiseEvery_ = every;
    std::lock_guard lock(mutex_);
    device_.SetAllNoise(true);
}

std::vector<std::string> PtyDevice::ReceivedLines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

std::optional<std::string> PtyDevice::WaitForLine(std::size_t index,
                                                  std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    if (!changed_.wait_for(lock, timeout, [&] { return lines_.size() > index; })) {
        return std::nullopt;
    }
    return lines_[index];
}

std::size_t PtyDevice::IgnoredBytes() const {
    std::lock_guard lock(mutex_);
    return ignored_;
}

bool PtyDevice::WaitForIgnoredBytes(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return ignored_ >= count; });
}

LineSettings PtyDevice::Line() const {
    std::lock_guard lock(mutex_);
    return line_;
}

Mode PtyDevice::CurrentMode() const {
    std::lock_guard lock(mutex_);
    return device_.CurrentMode();
}

DeviceConfig PtyDevice::Running() const {
    std::lock_guard lock(mutex_);
    return device_.Running();
}

DeviceConfig PtyDevice::Saved() const {
    std::lock_guard lock(mutex_);
    return device_.Saved();
}

std::vector<Sms> PtyDevice::SentSms() const {
    std::lock_guard lock(mutex_);
    return device_.SentSms();
}

}  // namespace dtu::sim
