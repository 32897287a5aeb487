// The time Find takes to find a device hidden at each speed at 8N1, silent at
// every other speed (the worst case: each wrong try waits its whole wait) and
// answering noise there (each wrong try ends at once); a device in data mode;
// and an empty line searched whole. Usage: find_bench
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "session/device_session.h"
#include "session/event_loop.h"
#include "tools/dtusim/pty_device.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct Found {
    double seconds = 0;
    std::size_t tried = 0;
    bool found = false;
    std::string line;
};

Found FindOn(dtu::sim::PtyDevice& device) {
    device.Start();
    dtu::EventLoop loop;
    dtu::DeviceSession session(loop, loop);
    std::optional<dtu::FindOutcome> outcome;
    const Clock::time_point started = Clock::now();
    session.BeginFind({device.SlavePath(), "115200", "NONE", "8", "1"}, nullptr,
                      [&outcome](const dtu::FindOutcome& ended) { outcome = ended; });
    loop.RunUntil([&outcome] { return outcome.has_value(); }, 5min);
    Found result;
    result.seconds = std::chrono::duration<double>(Clock::now() - started).count();
    if (outcome) {
        result.tried = outcome->tried.size();
        result.found = outcome->end == dtu::FindEnd::Found;
        result.line = outcome->found.baudRate + "," + outcome->found.parity + "," +
                      outcome->found.dataBits + "," + outcome->found.stopBits;
    }
    session.ClosePort();
    device.Stop();
    return result;
}

void Print(const char* what, const Found& found) {
    std::printf("%-28s %-18s %4zu tries %7.2f s\n", what,
                found.found ? found.line.c_str() : "not found", found.tried, found.seconds);
}

}  // namespace

int main() {
    // The order Find tries the speeds in at 8N1.
    constexpr int kSpeeds[] = {115200, 9600, 57600, 38400, 19200, 4800,
                               2400,   1200, 14400, 600,   300};
    std::printf("time to find a device at each speed (8N1), the first three goal 1 s, each 15 s\n");
    double slowest = 0;
    for (const int speed : kSpeeds) {
        for (const bool noise : {false, true}) {
            dtu::sim::PtyDevice device;
            device.SetBaudRate(speed);
            device.SetNoiseAtWrongSpeed(noise);
            const Found found = FindOn(device);
            const std::string what =
                std::to_string(speed) + (noise ? " noise elsewhere" : " silent elsewhere");
            Print(what.c_str(), found);
            slowest = std::max(slowest, found.seconds);
        }
    }
    std::printf("slowest speed at 8N1: %.2f s\n", slowest);
    for (const int speed : {115200, 300}) {
        dtu::sim::PtyDevice device(dtu::sim::Mode::kData);
        device.SetBaudRate(speed);
        const Found found = FindOn(device);
        Print(("data mode at " + std::to_string(speed)).c_str(), found);
    }
    dtu::sim::PtyDevice empty;
    empty.SilentAfter(0);
    const Found none = FindOn(empty);
    Print("empty line (goal 60 s)", none);
    return 0;
}
