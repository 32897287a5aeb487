// How fast a run ends when the line fails: the time from the device's side of a
// pseudo-terminal closing to the red line, and from read all against a device
// that sends only noise to the no-answer verdict (the reply time-out twice: the
// line, then the escape). Usage: verdict_bench [hang-up runs] [noise runs]
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "session/device_session.h"
#include "session/event_loop.h"
#include "tools/dtusim/pty_device.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

class Watch : public dtu::SessionListener {
public:
    void OnLog(dtu::LogKind kind, const std::string&) override {
        if (kind == dtu::LogKind::Error && !firstError) {
            firstError = Clock::now();
        }
    }
    void OnProgress(const dtu::Progress&) override {}
    void OnNote(const dtu::EngineNote&) override {}
    void OnPortStatus(const dtu::PortStatus&) override {}
    void OnRunFinished(const dtu::RunOutcome& outcome) override { end = outcome.end; }
    std::optional<Clock::time_point> firstError;
    std::optional<dtu::RunEnd> end;
};

// The other end of a pseudo-terminal that writes a few bytes of garbage every
// 50 ms and never answers.
class NoiseLine {
public:
    NoiseLine() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        grantpt(master_);
        unlockpt(master_);
        path_ = ptsname(master_);
        thread_ = std::thread([this] {
            while (!stop_) {
                [[maybe_unused]] ssize_t n = write(master_, "~\x13\xFF", 3);
                std::this_thread::sleep_for(50ms);
            }
        });
    }
    ~NoiseLine() {
        stop_ = true;
        thread_.join();
        close(master_);
    }
    const std::string& Path() const { return path_; }

private:
    int master_ = -1;
    std::string path_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool HangUpOnce(double& ms) {
    auto device = std::make_unique<dtu::sim::PtyDevice>();
    device->Start();
    dtu::EventLoop loop;
    dtu::DeviceSession session(loop, loop);
    Watch watch;
    session.SetListener(&watch);
    if (!session.OpenPort({device->SlavePath(), "115200", "NONE", "8", "1"}).Opened()) {
        return false;
    }
    const auto start = Clock::now();
    device.reset();
    const bool seen = loop.RunUntil([&] { return watch.firstError.has_value(); }, 10s);
    ms = seen ? Ms(*watch.firstError - start).count() : -1;
    session.SetListener(nullptr);
    return seen;
}

bool NoiseOnce(double& ms) {
    NoiseLine line;
    dtu::EventLoop loop;
    dtu::DeviceSession session(loop, loop);
    Watch watch;
    session.SetListener(&watch);
    if (!session.OpenPort({line.Path(), "115200", "NONE", "8", "1"}).Opened()) {
        return false;
    }
    const auto start = Clock::now();
    session.ReadAll();
    const bool ended = loop.RunUntil([&] { return watch.end.has_value(); }, 30s);
    ms = Ms(Clock::now() - start).count();
    session.SetListener(nullptr);
    return ended && watch.end == dtu::RunEnd::NoAnswer;
}

}  // namespace

int main(int argc, char** argv) {
    const int hangUps = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const int noiseRuns = argc > 2 ? std::max(0, std::atoi(argv[2])) : 2;
    std::vector<double> hangUpMs;
    for (int i = 0; i < hangUps; ++i) {
        double ms = 0;
        if (!HangUpOnce(ms)) {
            std::fprintf(stderr, "no red line after the hang-up\n");
            return 1;
        }
        hangUpMs.push_back(ms);
    }
    std::printf("pty hang-up to the red line, %d runs: median %.2f ms, worst %.2f ms\n", hangUps,
                Median(hangUpMs), *std::max_element(hangUpMs.begin(), hangUpMs.end()));
    if (noiseRuns == 0) {
        return 0;
    }
    const double expected = 2 * static_cast<double>(dtu::Engine::kReplyTimeout.count());
    std::vector<double> noiseMs;
    for (int i = 0; i < noiseRuns; ++i) {
        double ms = 0;
        if (!NoiseOnce(ms)) {
            std::fprintf(stderr, "a noise-only device did not end in the no-answer verdict\n");
            return 1;
        }
        noiseMs.push_back(ms);
    }
    std::printf(
        "noise-only device, read all to the no-answer verdict, %d runs: median %.1f ms "
        "(time-out plus recovery %.0f ms: %.3f of it)\n",
        noiseRuns, Median(noiseMs), expected, Median(noiseMs) / expected);
    return 0;
}
