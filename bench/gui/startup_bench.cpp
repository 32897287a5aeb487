// Start-up time (process start to the first frame of the first window) and
// peak resident memory of dtuconfig, side by side with an empty Qt window and
// with one holding a Chinese label (the floor), each the median of several runs.
// dtuconfig's peak is taken once start-up is complete (port window shown, main
// window built and hidden), and for context again with the main window shown.
// The programs report through DTUCONFIG_STARTUP_PROBE on stderr; the time is
// taken here, from just before the spawn to the arrival of the "probe shown" line.
//
// Usage: startup_bench [runs]   (dtuconfig and bare_qt_window beside this program)

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench/gui/child_environment.h"

extern char** environ;

namespace {

struct Sample {
    double startupMs;
    long peakKb;
    long mainShownPeakKb;  // -1 for the yardsticks
};

struct Program {
    std::string label;
    std::filesystem::path path;
    std::string argument;
    std::vector<Sample> samples;
};

std::optional<long> Figure(const std::string& line, const std::string& prefix) {
    if (line.rfind(prefix, 0) != 0) {
        return std::nullopt;
    }
    return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
}

// Reads stderr line by line; the time of the "probe shown" line and the memory figure.
std::optional<Sample> RunOnce(const Program& program, const std::vector<std::string>& env) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<char*> envp;
    for (const std::string& entry : env) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);
    const std::string path = program.path.string();
    std::vector<char*> argv = {const_cast<char*>(path.c_str())};
    if (!program.argument.empty()) {
        argv.push_back(const_cast<char*>(program.argument.c_str()));
    }
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return std::nullopt;
    }

    std::optional<double> shownMs;
    long peakKb = -1;
    long mainShownPeakKb = -1;
    std::string pending;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        const auto now = std::chrono::steady_clock::now();
        pending.append(buffer, static_cast<std::size_t>(got));
        std::size_t end = 0;
        while ((end = pending.find('\n')) != std::string::npos) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (line == "probe shown" && !shownMs) {
                shownMs = std::chrono::duration<double, std::milli>(now - start).count();
            } else if (auto kb = Figure(line, "probe peak_rss_kb ")) {
                peakKb = *kb;
            } else if (auto shownKb = Figure(line, "probe main_shown_peak_rss_kb ")) {
                mainShownPeakKb = *shownKb;
            }
        }
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!shownMs || peakKb < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return Sample{*shownMs, peakKb, mainShownPeakKb};
}

template <class T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const std::filesystem::path here = std::filesystem::canonical("/proc/self/exe").parent_path();
    // The floor is the window with a Chinese label: any window in the tool's font pays that.
    std::vector<Program> programs = {
        {"dtuconfig", here / "dtuconfig", {}, {}},
        {"bare Qt window", here / "bare_qt_window", {}, {}},
        {"bare + CJK label", here / "bare_qt_window", "--cjk-label", {}}};

    char dirPattern[] = "/tmp/startup_bench_XXXXXX";
    if (mkdtemp(dirPattern) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::vector<std::string> env =
        dtu::bench::ChildEnvironment(dirPattern, {"DTUCONFIG_STARTUP_PROBE=1"});

    // One warm-up each fills the file cache and writes the language file once.
    for (Program& program : programs) {
        if (!RunOnce(program, env)) {
            std::fprintf(stderr, "%s did not report (is it built?)\n", program.path.c_str());
            std::filesystem::remove_all(dirPattern);
            return 1;
        }
    }
    // Alternate the programs so that machine load falls on all alike. The load
    // also drifts from round to round, which each round's own ratio cancels.
    std::vector<double> roundRatios;
    for (int run = 0; run < runs; ++run) {
        std::vector<std::optional<Sample>> round;
        for (Program& program : programs) {
            round.push_back(RunOnce(program, env));
            if (round.back()) {
                program.samples.push_back(*round.back());
            }
        }
        if (round[0] && round[2]) {
            roundRatios.push_back(round[0]->startupMs / round[2]->startupMs);
        }
    }
    std::filesystem::remove_all(dirPattern);

    std::printf("%-16s %6s %14s %14s\n", "program", "runs", "start-up ms", "peak RSS MiB");
    std::vector<double> startup;
    std::vector<double> memory;
    std::vector<long> mainShownKb;
    for (const Program& program : programs) {
        if (program.samples.empty()) {
            std::fprintf(stderr, "%s: no successful run\n", program.label.c_str());
            return 1;
        }
        std::vector<double> ms;
        std::vector<long> kb;
        for (const Sample& sample : program.samples) {
            ms.push_back(sample.startupMs);
            kb.push_back(sample.peakKb);
            if (&program == &programs[0]) {
                mainShownKb.push_back(sample.mainShownPeakKb);
            }
        }
        startup.push_back(Median(ms));
        memory.push_back(static_cast<double>(Median(kb)) / 1024.0);
        std::printf("%-16s %6zu %14.1f %14.1f\n", program.label.c_str(), program.samples.size(),
                    startup.back(), memory.back());
    }
    std::printf("dtuconfig with its main window shown: peak RSS %.1f MiB\n",
                static_cast<double>(Median(mainShownKb)) / 1024.0);
    std::printf(
        "ratio dtuconfig / bare + CJK label (floor): start-up %.2fx, peak RSS %.2fx "
        "(target 1.2x each)\n",
        startup[0] / startup[2], memory[0] / memory[2]);
    if (!roundRatios.empty()) {
        std::printf("start-up ratio to the floor, median of the rounds' own ratios: %.2fx\n",
                    Median(roundRatios));
    }
    std::printf("ratio dtuconfig / bare: start-up %.2fx, peak RSS %.2fx\n", startup[0] / startup[1],
                memory[0] / memory[1]);
    return 0;
}
