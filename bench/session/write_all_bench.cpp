// Wall time of the worked write-all example against the simulated device over a
// pseudo-terminal at 115200, next to its lower bound, the time from each final
// line to the next line sent, and the engine's own time per line.
// Usage: write_all_bench [runs] [gap ms] (no gap: the port's framing pause)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "session/device_session.h"
#include "session/event_loop.h"
#include "tests/session/worked_example_model.h"
#include "tools/dtusim/pty_device.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr double kFramingMs = 60;  // the port's inter-byte interval at 115200
constexpr double kReopenPauseMs = 200;
constexpr double kBitsPerByte = 10;  // 8N1: start, eight data bits, stop
constexpr double kBaud = 115200;

struct RunFigures {
    double wallMs = 0;
    // Inside the receive handling, one figure per receive.
    std::vector<double> engineMs;
    // From the receive that completed an answer to the next line written.
    std::vector<double> replyToNextMs;
    std::size_t lines = 0;
    std::size_t wireBytes = 0;
};

// Notes each line sent and the end of the run.
class RunWatch : public dtu::SessionListener {
public:
    void OnLog(dtu::LogKind kind, const std::string&) override {
        if (kind == dtu::LogKind::Tx && lastReceive) {
            replyToNextMs.push_back(Ms(Clock::now() - *lastReceive).count());
        }
    }
    void OnProgress(const dtu::Progress&) override {}
    void OnNote(const dtu::EngineNote&) override {}
    void OnPortStatus(const dtu::PortStatus&) override {}
    void OnRunFinished(const dtu::RunOutcome& outcome) override { end = outcome.end; }
    std::optional<dtu::RunEnd> end;
    std::optional<Clock::time_point> lastReceive;
    std::vector<double> replyToNextMs;
};

bool RunOnce(std::optional<std::chrono::milliseconds> gap, RunFigures& figures) {
    dtu::sim::PtyDevice device;
    device.Start();
    dtu::EventLoop loop;
    dtu::DeviceSession session(loop, loop);
    RunWatch watch;
    session.SetListener(&watch);
    session.SetLineGap(gap);
    std::vector<double> engineMs;
    std::size_t replyBytes = 0;
    session.SetReceiveHook([&](const std::string& block, const std::function<void()>& pass) {
        replyBytes += block.size();
        const auto start = Clock::now();
        pass();
        const auto end = Clock::now();
        engineMs.push_back(Ms(end - start).count());
        watch.lastReceive = end;
    });
    const dtu::OpenError open = session.OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"});
    if (!open.Opened()) {
        std::fprintf(stderr, "cannot open %s: %s\n", device.SlavePath().c_str(),
                     open.systemText.c_str());
        return false;
    }
    dtu::LoadWorkedExample(session.Form());

    const auto start = Clock::now();
    session.WriteAll();
    if (!loop.RunUntil([&] { return watch.end.has_value(); }, 30s) ||
        watch.end != dtu::RunEnd::Success) {
        std::fprintf(stderr, "write all did not succeed\n");
        return false;
    }
    figures.wallMs = Ms(Clock::now() - start).count();
    figures.engineMs = std::move(engineMs);
    figures.replyToNextMs = std::move(watch.replyToNextMs);
    figures.lines = device.ReceivedLines().size();
    std::size_t sentBytes = 0;
    for (const std::string& line : device.ReceivedLines()) {
        sentBytes += line.size();
    }
    figures.wireBytes = sentBytes + replyBytes;
    session.SetListener(nullptr);
    return true;
}

}  // namespace

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::optional<std::chrono::milliseconds> gap;
    if (argc > 2) {
        gap = std::chrono::milliseconds(std::max(0, std::atoi(argv[2])));
    }
    const double gapMs = gap ? static_cast<double>(gap->count()) : kFramingMs;
    std::vector<RunFigures> all;
    for (int i = 0; i < runs; ++i) {
        RunFigures figures;
        if (!RunOnce(gap, figures)) {
            return 1;
        }
        all.push_back(figures);
    }
    std::sort(all.begin(), all.end(),
              [](const RunFigures& a, const RunFigures& b) { return a.wallMs < b.wallMs; });
    const RunFigures& median = all[all.size() / 2];
    const double lines = static_cast<double>(median.lines);
    const double wireMs = static_cast<double>(median.wireBytes) * kBitsPerByte / kBaud * 1000;
    // A gap after each final line but the last, and the settling time after the two
    // that reopen the port; a pseudo-terminal adds no wire time, a UART at 115200 would.
    const double bound = (lines - 1) * gapMs + 2 * kReopenPauseMs;

    std::printf(
        "write all, worked example, %zu lines, gap %.0f ms, %d runs (median; min %.1f ms, "
        "max %.1f ms)\n",
        median.lines, gapMs, runs, all.front().wallMs, all.back().wallMs);
    std::printf("  wall time, first line to success text: %8.1f ms\n", median.wallMs);
    std::printf(
        "  lower bound 17 gaps + 2 x 200 ms after the UART reopens: %8.1f ms (wall / bound "
        "%.3f); a UART adds %.1f ms of wire time for its %zu bytes\n",
        bound, median.wallMs / bound, wireMs, median.wireBytes);
    // Final line to next line: every run's figures but the two reopen pauses.
    std::vector<double> replyToNext;
    for (const RunFigures& run : all) {
        std::vector<double> own = run.replyToNextMs;
        std::sort(own.begin(), own.end());
        replyToNext.insert(replyToNext.end(), own.begin(),
                           own.end() - std::min<std::size_t>(2, own.size()));
    }
    std::printf("  final line to next line (%zu lines): median %.2f ms, worst %.2f ms\n",
                replyToNext.size(), Median(replyToNext),
                *std::max_element(replyToNext.begin(), replyToNext.end()));
    std::vector<double> perReply = median.engineMs;
    std::sort(perReply.begin(), perReply.end());
    double total = 0;
    for (const double ms : perReply) {
        total += ms;
    }
    std::printf(
        "  engine's own time per receive: mean %.3f ms, median %.3f ms, max %.3f ms "
        "(the largest reopen the port)\n",
        total / static_cast<double>(perReply.size()), perReply[perReply.size() / 2],
        perReply.back());
    return 0;
}
