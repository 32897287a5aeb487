// Wall and CPU time of `dtuconfig-cli write --verify` with the worked example
// against 1 and against 8 simulated devices, each dtusim a process of its own.
// The CPU figure is the command line's alone (its user and system time).
// Usage: cli_bench [runs]
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/profile_render.h"
#include "tests/session/worked_example_model.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Figures {
    double wallMs = 0;
    double cpuMs = 0;
};

pid_t Spawn(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

double Ms(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

// The simulated devices, one process each, on links in `dir`.
class Devices {
public:
    Devices(const fs::path& dir, int count) {
        for (int i = 0; i < count; ++i) {
            links_.push_back((dir / ("dtusim" + std::to_string(i))).string());
            pids_.push_back(Spawn({DTU_SIM_PATH, "--link", links_.back()}));
        }
    }
    ~Devices() {
        for (const pid_t pid : pids_) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
    // True once every link is there, within a bound only a broken simulator reaches.
    bool Ready() const {
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < deadline) {
            if (std::all_of(links_.begin(), links_.end(),
                            [](const std::string& link) { return fs::exists(link); })) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    const std::vector<std::string>& Links() const { return links_; }

private:
    std::vector<std::string> links_;
    std::vector<pid_t> pids_;
};

bool RunOnce(const fs::path& dir, const std::string& profile, int count, Figures& figures) {
    const Devices devices(dir, count);
    if (!devices.Ready()) {
        std::fprintf(stderr, "the simulated devices did not come up\n");
        return false;
    }
    std::vector<std::string> args = {DTU_CLI_PATH, "write"};
    args.insert(args.end(), devices.Links().begin(), devices.Links().end());
    args.insert(args.end(), {"--profile", profile, "--verify"});
    const auto start = Clock::now();
    const pid_t cli = Spawn(args);
    int status = 0;
    rusage usage{};
    if (cli < 0 || wait4(cli, &status, 0, &usage) != cli) {
        std::fprintf(stderr, "cannot run %s\n", DTU_CLI_PATH);
        return false;
    }
    figures.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    figures.cpuMs = Ms(usage.ru_utime) + Ms(usage.ru_stime);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "write --verify on %d devices did not succeed\n", count);
        return false;
    }
    return true;
}

Figures Median(std::vector<Figures> all) {
    std::sort(all.begin(), all.end(),
              [](const Figures& a, const Figures& b) { return a.wallMs < b.wallMs; });
    return all[all.size() / 2];
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
    Figures one;
    for (const int count : {1, 8}) {
        std::vector<Figures> all;
        for (int i = 0; i < runs; ++i) {
            Figures figures;
            if (!RunOnce(dir, profile, count, figures)) {
                fs::remove_all(dir);
                return 1;
            }
            all.push_back(figures);
        }
        const Figures median = Median(all);
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
