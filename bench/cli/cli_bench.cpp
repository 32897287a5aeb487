// Wall and CPU time of `dtuconfig-cli write --verify` with the worked example
// against 1 and against 8 simulated devices, each dtusim a process of its own.
// The CPU figure is the command line's alone (its user and system time).
// Usage: cli_bench [runs]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/cli/sim_processes.h"
#include "cli/profile_render.h"
#include "tests/session/worked_example_model.h"

namespace {

namespace fs = std::filesystem;
using bench_cli::Devices;
using bench_cli::MedianByWall;
using bench_cli::RunFigures;
using bench_cli::TimeCommand;
using bench_cli::WriteCommand;

bool RunOnce(const fs::path& dir, const std::string& profile, int count, RunFigures& figures) {
    const Devices devices(dir, count);
    if (!devices.Ready()) {
        std::fprintf(stderr, "the simulated devices did not come up\n");
        return false;
    }
    std::vector<std::string> args = WriteCommand(devices, profile);
    if (!TimeCommand(args, figures)) {
        std::fprintf(stderr, "write --verify on %d devices did not succeed\n", count);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::string pattern = (fs::temp_directory_path() / "dtu-cli-bench-XXXXXX").string();
    const fs::path dir = mkdtemp(pattern.data());
    dtu::FormModel form;
    dtu::LoadWorkedExample(form);
    const std::string profile = (dir / "worked.ini").string();
    std::ofstream(profile, std::ios::binary) << dtu::cli::ProfileIni(form, "");

    std::printf(
        "write --verify of the worked example (18 lines written, 8 read back), "
        "median of %d runs\n",
        runs);
    RunFigures one;
    for (const int count : {1, 8}) {
        std::vector<RunFigures> all;
        for (int i = 0; i < runs; ++i) {
            RunFigures figures;
            if (!RunOnce(dir, profile, count, figures)) {
                fs::remove_all(dir);
                return 1;
            }
            all.push_back(figures);
        }
        const RunFigures median = MedianByWall(all);
        if (count == 1) {
            one = median;
        }
        std::printf("  %d device%s: wall %7.1f ms (wall / one device %.3f), CPU %6.1f ms\n", count,
                    count == 1 ? " " : "s", median.wallMs, median.wallMs / one.wallMs,
                    median.cpuMs);
    }
    fs::remove_all(dir);
    return 0;
}
