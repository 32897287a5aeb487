#pragma once

// Simulated devices as processes of their own, and the command line spawned
// with its output thrown away, for the command line's benchmarks.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace bench_cli {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

inline pid_t Spawn(const std::vector<std::string>& args) {
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

inline double Ms(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

// One run of the command line: its wall time and its own processor time.
struct RunFigures {
    double wallMs = 0;
    double cpuMs = 0;
};

// Runs the command line with `args` and times it; false when it could not
// run or did not exit 0.
inline bool TimeCommand(const std::vector<std::string>& args, RunFigures& figures) {
    const auto start = Clock::now();
    const pid_t pid = Spawn(args);
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) {
        return false;
    }
    figures.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    figures.cpuMs = Ms(usage.ru_utime) + Ms(usage.ru_stime);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The run of median wall time.
inline RunFigures MedianByWall(std::vector<RunFigures> all) {
    std::sort(all.begin(), all.end(),
              [](const RunFigures& a, const RunFigures& b) { return a.wallMs < b.wallMs; });
    return all[all.size() / 2];
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

// `write --verify` of `profile` on every device.
inline std::vector<std::string> WriteCommand(const Devices& devices, const std::string& profile) {
    std::vector<std::string> args = {DTU_CLI_PATH, "write"};
    args.insert(args.end(), devices.Links().begin(), devices.Links().end());
    args.insert(args.end(), {"--profile", profile, "--verify"});
    return args;
}

}  // namespace bench_cli
