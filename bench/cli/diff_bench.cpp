// Wall time of `dtuconfig-cli diff` against `dtuconfig-cli read` on the same
// simulated device holding the worked example, run in this process one after
// the other; diff reads as read does, then compares, so the goal is a ratio of
// at most 1.05. Usage: diff_bench [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/profile_render.h"
#include "tests/session/worked_example_model.h"
#include "tools/dtusim/pty_device.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The command's wall time in ms, or a negative figure when it did not end with `status`.
double TimedRun(const std::vector<std::string>& args, int status) {
    std::ostringstream out;
    std::ostringstream err;
    const auto start = Clock::now();
    const int ended = dtu::cli::RunCli(args, dtu::cli::Console{out, err, false, false});
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (ended != status) {
        std::fprintf(stderr, "%s ended with %d: %s\n", args.front().c_str(), ended,
                     err.str().c_str());
        return -1;
    }
    return ms;
}

double Median(std::vector<double> all) {
    std::sort(all.begin(), all.end());
    return all[all.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::string pattern = (fs::temp_directory_path() / "dtu-diff-bench-XXXXXX").string();
    const fs::path dir = mkdtemp(pattern.data());
    dtu::FormModel form;
    dtu::LoadWorkedExample(form);
    const std::string profile = (dir / "worked.ini").string();
    std::ofstream(profile, std::ios::binary) << dtu::cli::ProfileIni(form, "");

    dtu::sim::PtyDevice device;
    device.Start();
    const std::string port = device.SlavePath();
    if (TimedRun({"write", port, "--profile", profile}, 0) < 0) {
        fs::remove_all(dir);
        return 1;
    }
    std::vector<double> reads;
    std::vector<double> diffs;
    for (int i = 0; i < runs; ++i) {
        reads.push_back(TimedRun({"read", port}, 0));
        diffs.push_back(TimedRun({"diff", port, "--profile", profile}, 0));
        if (reads.back() < 0 || diffs.back() < 0) {
            fs::remove_all(dir);
            return 1;
        }
    }
    const double read = Median(reads);
    const double diff = Median(diffs);
    std::printf("read and diff of the worked example on one simulated device, median of %d runs\n",
                runs);
    std::printf("  read %7.1f ms\n  diff %7.1f ms (diff / read %.3f, goal <= 1.05)\n", read, diff,
                diff / read);
    fs::remove_all(dir);
    return 0;
}
