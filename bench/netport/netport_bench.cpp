// Wall time of the worked write-all example through an RFC 2217 server (ser2net
// on loopback) in front of the simulated device's pseudo-terminal, next to the
// same run on the pseudo-terminal itself; and `dtuconfig-cli write` of the
// worked example to one and to eight devices behind their servers.
// Usage: netport_bench [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/port_info.h"
#include "cli/profile_render.h"
#include "session/device_session.h"
#include "session/event_loop.h"
#include "tests/netport/ser2net_server.h"
#include "tests/session/worked_example_model.h"
#include "tools/dtusim/pty_device.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;
using dtu::testing::Ser2netServer;

constexpr std::size_t kFleet = 8;

// Notes the end of the run.
class RunWatch : public dtu::SessionListener {
public:
    void OnLog(dtu::LogKind, const std::string&) override {}
    void OnProgress(const dtu::Progress&) override {}
    void OnNote(const dtu::EngineNote&) override {}
    void OnPortStatus(const dtu::PortStatus&) override {}
    void OnRunFinished(const dtu::RunOutcome& outcome) override { end = outcome.end; }
    std::optional<dtu::RunEnd> end;
};

// One write all of the worked example; its wall time, or nothing when it failed.
std::optional<double> WriteAll(bool throughServer) {
    dtu::sim::PtyDevice device;
    device.Start();
    std::unique_ptr<Ser2netServer> server;
    std::string port = device.SlavePath();
    if (throughServer) {
        server = std::make_unique<Ser2netServer>(device.SlavePath());
        if (!server->Failure().empty()) {
            std::fprintf(stderr, "%s\n", server->Failure().c_str());
            return std::nullopt;
        }
        port = server->Rfc2217Name();
    }
    dtu::EventLoop loop;
    dtu::DeviceSession session(loop, loop);
    RunWatch watch;
    session.SetListener(&watch);
    const dtu::OpenError open = session.OpenPort({port, "115200", "NONE", "8", "1"});
    if (!open.Opened()) {
        std::fprintf(stderr, "%s\n", dtu::cli::ExplainOpenFailure(open).c_str());
        return std::nullopt;
    }
    dtu::LoadWorkedExample(session.Form());
    const auto start = Clock::now();
    session.WriteAll();
    const bool ended = loop.RunUntil([&] { return watch.end.has_value(); }, 30s);
    session.SetListener(nullptr);
    if (!ended || watch.end != dtu::RunEnd::Success) {
        std::fprintf(stderr, "write all through %s did not succeed\n", port.c_str());
        return std::nullopt;
    }
    return Ms(Clock::now() - start).count();
}

// `dtuconfig-cli write` of `profile` to `count` devices behind their servers.
std::optional<double> CliWrite(std::size_t count, const std::string& profile) {
    std::vector<std::unique_ptr<dtu::sim::PtyDevice>> devices;
    std::vector<std::unique_ptr<Ser2netServer>> servers;
    std::vector<std::string> args = {"write"};
    for (std::size_t i = 0; i < count; ++i) {
        devices.push_back(std::make_unique<dtu::sim::PtyDevice>());
        devices.back()->Start();
        servers.push_back(std::make_unique<Ser2netServer>(devices.back()->SlavePath()));
        if (!servers.back()->Failure().empty()) {
            std::fprintf(stderr, "%s\n", servers.back()->Failure().c_str());
            return std::nullopt;
        }
        args.push_back(servers.back()->Rfc2217Name());
    }
    args.insert(args.end(), {"--profile", profile});
    std::ostringstream out;
    std::ostringstream err;
    const dtu::cli::Console console{out, err, false, false};
    const auto start = Clock::now();
    const int status = dtu::cli::RunCli(args, console);
    const double wall = Ms(Clock::now() - start).count();
    if (status != 0) {
        std::fprintf(stderr, "write to %zu devices failed:\n%s%s", count, out.str().c_str(),
                     err.str().c_str());
        return std::nullopt;
    }
    return wall;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename Measure>
std::optional<double> MedianOf(int runs, Measure measure) {
    std::vector<double> walls;
    for (int i = 0; i < runs; ++i) {
        const std::optional<double> wall = measure();
        if (!wall) {
            return std::nullopt;
        }
        walls.push_back(*wall);
    }
    return Median(walls);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::optional<double> local = MedianOf(runs, [] { return WriteAll(false); });
    const std::optional<double> remote = MedianOf(runs, [] { return WriteAll(true); });
    if (!local || !remote) {
        return 1;
    }
    std::printf("write all, worked example, median of %d runs\n", runs);
    std::printf("  on the pseudo-terminal:              %8.1f ms\n", *local);
    std::printf("  through RFC 2217 (ser2net, loopback): %8.1f ms (ratio %.3f)\n", *remote,
                *remote / *local);

    const std::filesystem::path profile =
        std::filesystem::temp_directory_path() / "netport_bench_worked.ini";
    dtu::FormModel form;
    dtu::LoadWorkedExample(form);
    std::ofstream(profile, std::ios::binary) << dtu::cli::ProfileIni(form, "");
    const std::optional<double> one = MedianOf(runs, [&] { return CliWrite(1, profile); });
    const std::optional<double> fleet = MedianOf(runs, [&] { return CliWrite(kFleet, profile); });
    std::filesystem::remove(profile);
    if (!one || !fleet) {
        return 1;
    }
    std::printf("dtuconfig-cli write of the worked example through RFC 2217, median of %d runs\n",
                runs);
    std::printf("  one device:    %8.1f ms\n", *one);
    std::printf("  %zu devices:    %8.1f ms (ratio to one %.3f)\n", kFleet, *fleet, *fleet / *one);
    return 0;
}
