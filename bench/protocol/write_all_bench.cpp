// Wall time of the worked write-all example against the simulated device over a
// pseudo-terminal at 115200, next to its lower bound, and the engine's own time
// per line. Usage: write_all_bench [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "tests/protocol/device_session.h"
#include "tests/protocol/worked_example.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr double kFramingMs = 60;  // the port's inter-byte interval at 115200
constexpr double kLinePauseMs = 1;
constexpr double kReopenPauseMs = 200;
constexpr double kBitsPerByte = 10;  // 8N1: start, eight data bits, stop
constexpr double kBaud = 115200;

struct RunFigures {
    double wallMs = 0;
    // Inside the receive handling, its sleeps excluded, one figure per reply.
    std::vector<double> engineMs;
    std::size_t lines = 0;
    std::size_t wireBytes = 0;
};

bool RunOnce(RunFigures& figures) {
    double sleptMs = 0;
    dtu::testing::DeviceSession session(dtu::sim::Mode::kCommand, 5000ms,
                                        [&sleptMs](std::chrono::milliseconds duration) {
                                            const auto start = Clock::now();
                                            std::this_thread::sleep_for(duration);
                                            sleptMs += Ms(Clock::now() - start).count();
                                        });
    std::vector<double> engineMs;
    std::size_t replyBytes = 0;
    session.comm.OnReceiveData = [&](const char* buffer, std::uint16_t length) {
        replyBytes += length;
        const double sleptBefore = sleptMs;
        const auto start = Clock::now();
        session.engine.HandleReceived(buffer, length);
        engineMs.push_back(Ms(Clock::now() - start).count() - (sleptMs - sleptBefore));
    };
    if (!session.port.OpenPort()) {
        std::fprintf(stderr, "cannot open %s: %s\n", session.device.SlavePath().c_str(),
                     OpenErrorSummary(session.port.LastOpenError()).c_str());
        return false;
    }
    session.window.form = dtu::WorkedExampleForm();
    session.engine.CurrentOperation = 2;

    const auto start = Clock::now();
    session.engine.WriteAll();
    if (!session.PumpUntilShown("lang_Info_SetSuccess", 30s)) {
        std::fprintf(stderr, "write all did not finish\n");
        return false;
    }
    figures.wallMs = Ms(Clock::now() - start).count();
    figures.engineMs = std::move(engineMs);
    figures.lines = session.device.ReceivedLines().size();
    std::size_t sentBytes = 0;
    for (const std::string& line : session.device.ReceivedLines()) {
        sentBytes += line.size();
    }
    figures.wireBytes = sentBytes + replyBytes;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<RunFigures> all;
    for (int i = 0; i < runs; ++i) {
        RunFigures figures;
        if (!RunOnce(figures)) {
            return 1;
        }
        all.push_back(figures);
    }
    std::sort(all.begin(), all.end(),
              [](const RunFigures& a, const RunFigures& b) { return a.wallMs < b.wallMs; });
    const RunFigures& median = all[all.size() / 2];
    const double lines = static_cast<double>(median.lines);
    const double wireMs = static_cast<double>(median.wireBytes) * kBitsPerByte / kBaud * 1000;
    const double bound = lines * kFramingMs + lines * kLinePauseMs + wireMs;
    const double boundWithReopens = bound + 2 * kReopenPauseMs;

    std::printf(
        "write all, worked example, %zu lines, %d runs (median; min %.1f ms, max %.1f ms)\n",
        median.lines, runs, all.front().wallMs, all.back().wallMs);
    std::printf("  wall time, first line to success text: %8.1f ms\n", median.wallMs);
    std::printf(
        "  lower bound 18 x 60 ms + 18 x 1 ms + wire time (%zu bytes, %.1f ms): %8.1f ms "
        "(wall / bound %.3f)\n",
        median.wireBytes, wireMs, bound, median.wallMs / bound);
    std::printf(
        "  bound plus the two 200 ms pauses after the UART reopens: %8.1f ms "
        "(wall / bound %.3f)\n",
        boundWithReopens, median.wallMs / boundWithReopens);
    // A pseudo-terminal has no wire time, and each 1 ms pause runs while the port
    // waits out its 60 ms framing interval.
    const double ptyBound = lines * kFramingMs + 2 * kReopenPauseMs;
    std::printf("  pseudo-terminal bound 18 x 60 ms + 2 x 200 ms: %8.1f ms (wall / bound %.3f)\n",
                ptyBound, median.wallMs / ptyBound);
    std::vector<double> perReply = median.engineMs;
    std::sort(perReply.begin(), perReply.end());
    double total = 0;
    for (const double ms : perReply) {
        total += ms;
    }
    // The two slowest replies are the ICF and CIPR answers, which reopen the port.
    double withoutReopens = 0;
    for (std::size_t i = 0; i + 2 < perReply.size(); ++i) {
        withoutReopens += perReply[i];
    }
    std::printf(
        "  engine's own time per reply (receive handling minus sleeps): mean %.3f ms, "
        "median %.3f ms, max %.3f ms\n",
        total / static_cast<double>(perReply.size()), perReply[perReply.size() / 2],
        perReply.back());
    std::printf("  mean without the two replies that reopen the port: %.3f ms\n",
                withoutReopens / static_cast<double>(perReply.size() - 2));
    return 0;
}
