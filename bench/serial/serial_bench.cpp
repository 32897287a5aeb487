// Figures for the serial component over a pseudo-terminal: block delivery
// latency beyond the framing interval, a 1 MiB burst each way, the time from
// the other side closing to the hang-up notice, and (with --idle SECONDS) what
// the port's threads cost while nothing happens.
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "serial/comm.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(30);

// Posted work runs on the bench's main thread, as it would on the GUI thread.
class QueuePoster : public dtu::EventPoster {
public:
    void Post(std::function<void()> work) override {
        {
            std::lock_guard lock(mutex_);
            lastPost_ = Clock::now();
            work_.push_back(std::move(work));
        }
        posted_.notify_one();
    }

    bool PumpUntil(const std::function<bool()>& done) {
        auto deadline = Clock::now() + kPatience;
        while (!done()) {
            std::unique_lock lock(mutex_);
            if (!posted_.wait_until(lock, deadline, [this] { return !work_.empty(); })) {
                return false;
            }
            std::function<void()> work = std::move(work_.front());
            work_.pop_front();
            lock.unlock();
            work();
        }
        return true;
    }

    Clock::time_point LastPost() {
        std::lock_guard lock(mutex_);
        return lastPost_;
    }

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    Clock::time_point lastPost_;
    std::deque<std::function<void()>> work_;
};

struct Pty {
    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
            throw std::runtime_error("no pseudo-terminal");
        }
        slave = ptsname(master);
    }
    ~Pty() { CloseMaster(); }

    void CloseMaster() {
        if (master >= 0) {
            close(master);
            master = -1;
        }
    }

    void Write(const char* data, std::size_t size) const {
        while (size > 0) {
            ssize_t n = write(master, data, size);
            if (n <= 0) {
                throw std::runtime_error("pseudo-terminal write failed");
            }
            data += n;
            size -= static_cast<std::size_t>(n);
        }
    }

    int master = -1;
    std::string slave;
};

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    std::size_t index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void MeasureLatency(dtu::TComm& comm, QueuePoster& poster, const Pty& pty, int blocks) {
    const std::uint32_t interval = comm.ReadIntervalTimeout();
    Clock::time_point delivered;
    int received = 0;
    comm.OnReceiveData = [&](const char*, std::uint16_t) {
        delivered = Clock::now();
        ++received;
    };
    std::vector<double> beyond;
    std::vector<double> toPost;
    const std::string reply = "\r\n+CIVER:V3.2.1-latency\r\n\r\nOK\r\n";
    for (int i = 0; i < blocks; ++i) {
        pty.Write(reply.data(), reply.size());
        Clock::time_point written = Clock::now();
        if (!poster.PumpUntil([&] { return received == i + 1; })) {
            throw std::runtime_error("a block never arrived");
        }
        beyond.push_back(Ms(delivered - written) - interval);
        toPost.push_back(Ms(poster.LastPost() - written) - interval);
    }
    std::printf(
        "latency beyond the %u ms interval over %d blocks, to OnReceiveData: median %.3f "
        "ms, p99 %.3f ms, max %.3f ms\n",
        interval, blocks, Percentile(beyond, 0.5), Percentile(beyond, 0.99),
        *std::max_element(beyond.begin(), beyond.end()));
    std::printf("  of which until the reader posted the block: median %.3f ms, p99 %.3f ms\n",
                Percentile(toPost, 0.5), Percentile(toPost, 0.99));
}

void MeasureInboundBurst(dtu::TComm& comm, QueuePoster& poster, const Pty& pty) {
    std::string burst(1 << 20, '\0');
    for (std::size_t i = 0; i < burst.size(); ++i) {
        burst[i] = static_cast<char>((i * 131) ^ (i >> 8));
    }
    std::string got;
    std::size_t blocks = 0;
    std::size_t largest = 0;
    comm.OnReceiveData = [&](const char* data, std::uint16_t size) {
        got.append(data, size);
        ++blocks;
        largest = std::max<std::size_t>(largest, size);
    };
    Clock::time_point start = Clock::now();
    std::thread device([&] { pty.Write(burst.data(), burst.size()); });
    bool complete = poster.PumpUntil([&] { return got.size() >= burst.size(); });
    Clock::duration took = Clock::now() - start;
    device.join();
    std::printf("1 MiB burst in: %s, %s, %zu blocks (largest %zu bytes), %.1f ms, %.2f MiB/s\n",
                complete ? "complete" : "INCOMPLETE", got == burst ? "in order" : "CORRUPTED",
                blocks, largest, Ms(took), 1000.0 / Ms(took));
}

void MeasureOutboundBurst(dtu::TComm& comm, const Pty& pty) {
    std::string burst(1 << 20, '\0');
    for (std::size_t i = 0; i < burst.size(); ++i) {
        burst[i] = static_cast<char>(i * 7 + (i >> 12));
    }
    std::string got;
    Clock::time_point start = Clock::now();
    std::thread device([&] {
        char buffer[65536];
        while (got.size() < burst.size()) {
            pollfd fd{pty.master, POLLIN, 0};
            if (poll(&fd, 1, 30000) <= 0) {
                return;
            }
            ssize_t n = read(pty.master, buffer, sizeof buffer);
            if (n <= 0) {
                return;
            }
            got.append(buffer, static_cast<std::size_t>(n));
        }
    });
    for (std::size_t done = 0; done < burst.size();) {
        std::size_t count = std::min<std::size_t>(65535, burst.size() - done);
        comm.WriteBlock(burst.data() + done, static_cast<std::uint16_t>(count));
        done += count;
    }
    device.join();
    Clock::duration took = Clock::now() - start;
    std::printf("1 MiB burst out: %s, %.1f ms, %.2f MiB/s\n",
                got == burst ? "complete and in order" : "INCOMPLETE OR CORRUPTED", Ms(took),
                1000.0 / Ms(took));
}

void MeasureHangup(QueuePoster& poster, int opens) {
    std::vector<double> took;
    for (int i = 0; i < opens; ++i) {
        Pty pty;
        dtu::TComm comm(poster);
        comm.SetCommName(pty.slave);
        comm.SetHardwareFlowControl(false);
        bool writerRunning = false;
        Clock::time_point heard;
        comm.OnSendDataEmpty = [&] { writerRunning = true; };
        comm.OnRequestHangup = [&] { heard = Clock::now(); };
        comm.StartPort();
        if (!poster.PumpUntil([&] { return writerRunning; })) {
            throw std::runtime_error("the port never started");
        }
        Clock::time_point closed = Clock::now();
        pty.CloseMaster();
        if (!poster.PumpUntil([&] { return heard != Clock::time_point{}; })) {
            throw std::runtime_error("no hang-up notice");
        }
        took.push_back(Ms(heard - closed));
    }
    std::printf(
        "hang-up notice on the owner thread after the other side closed, over %d opens: "
        "median %.3f ms, worst %.3f ms\n",
        opens, Percentile(took, 0.5), *std::max_element(took.begin(), took.end()));
}

struct TaskUsage {
    long ticks = 0;
    long voluntarySwitches = 0;
};

std::map<std::string, TaskUsage> ThreadUsage() {
    std::map<std::string, TaskUsage> usage;
    DIR* dir = opendir("/proc/self/task");
    if (!dir) {
        return usage;
    }
    while (dirent* entry = readdir(dir)) {
        std::string tid = entry->d_name;
        if (tid == "." || tid == "..") {
            continue;
        }
        TaskUsage u;
        std::ifstream stat("/proc/self/task/" + tid + "/stat");
        std::string line;
        std::getline(stat, line);
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string field;
        for (int i = 3; i <= 15 && fields >> field; ++i) {
            if (i == 14 || i == 15) {
                u.ticks += std::stol(field);
            }
        }
        std::ifstream status("/proc/self/task/" + tid + "/status");
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0) {
                u.voluntarySwitches = std::stol(line.substr(line.find(':') + 1));
            }
        }
        usage[tid] = u;
    }
    closedir(dir);
    return usage;
}

void MeasureIdle(dtu::TComm& comm, int seconds) {
    std::map<std::string, TaskUsage> before = ThreadUsage();
    std::string self = std::to_string(gettid());
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    std::map<std::string, TaskUsage> after = ThreadUsage();
    long ticks = 0;
    long switches = 0;
    int threads = 0;
    for (const auto& [tid, now] : after) {
        auto then = before.find(tid);
        if (tid == self || then == before.end()) {
            continue;
        }
        ++threads;
        ticks += now.ticks - then->second.ticks;
        switches += now.voluntarySwitches - then->second.voluntarySwitches;
    }
    std::printf(
        "idle %d s with the port %s: %d worker threads used %.1f ms CPU, %ld voluntary "
        "context switches\n",
        seconds, comm.IsOpen() ? "open" : "closed", threads,
        1000.0 * static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK)), switches);
}

}  // namespace

int main(int argc, char** argv) {
    int idleSeconds = 0;
    int blocks = 200;
    std::uint32_t interval = 10;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--idle") == 0) {
            idleSeconds = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--blocks") == 0) {
            blocks = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--interval") == 0) {
            interval = static_cast<std::uint32_t>(std::atoi(argv[i + 1]));
        }
    }
    QueuePoster poster;
    Pty pty;
    dtu::TComm comm(poster);
    comm.SetCommName(pty.slave);
    comm.SetHardwareFlowControl(false);
    comm.SetBaudRate(115200);
    comm.SetReadIntervalTimeout(interval);
    comm.StartPort();

    MeasureLatency(comm, poster, pty, blocks);
    MeasureInboundBurst(comm, poster, pty);
    MeasureOutboundBurst(comm, pty);
    MeasureHangup(poster, 20);
    if (idleSeconds > 0) {
        MeasureIdle(comm, idleSeconds);
    }
    comm.StopPort();
    return 0;
}
