// The windows against hostile servers on loopback (a plain TCP server that
// floods bytes or lines, an RFC 2217 server whose sub-negotiation never ends,
// one that never accepts), each case in a process of its own that runs the
// program's windows: the port window adds the server's port and opens it, the
// main window reads the device once it shows, and after a while of flood the
// window on screen is closed as the user closes it. Prints each process's peak
// RSS and the time from the close request to the end of its event loop (the
// windows and the session gone) and to its exit; the flooding cases again with
// the hex view on; and, as the baseline, the main window shown without a port.
// Usage: window_flood_bench [seconds of flood, default 2]
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/login_window.h"
#include "app/startup.h"
#include "app/startup_probe.h"
#include "bench/gui/child_environment.h"
#include "bench/netport/hostile_server.h"
#include "mainwindow/info_area.h"
#include "mainwindow/main_window.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using dtu::bench::HostileServer;
using dtu::bench::HostileServerRun;

constexpr const char* kWindowOption = "--window";
// The descriptor a measured process reports on.
constexpr int kReportFd = 9;
// How long a measured process may take beyond the flood before it is killed.
constexpr auto kGrace = std::chrono::seconds(30);

// What a measured process reports once its event loop has returned.
struct Report {
    std::int64_t closeNs = 0;    // the close request, on the steady clock
    std::int64_t loopEndNs = 0;  // the event loop returned and the windows are gone
    long closePeakKb = -1;       // peak RSS at the close request
    int logLines = 0;            // lines the log held then
    int logChars = 0;
    bool readStarted = false;  // the port opened, the main window showed and its read began
    bool mainClosed = false;   // else the port window was the one on screen
    bool opening = false;      // the port window was still waiting for the open to end
};

std::int64_t Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// Notes the state at the close request, then closes the window on screen.
void CloseAsTheUser(dtu::Tfrm_MainLx1& mainWindow, dtu::Tfrm_Login& login, Report& report) {
    report.closePeakKb = dtu::ReadPeakRssKb();
    report.logLines = mainWindow.Info()->LineCount();
    report.logChars = mainWindow.Info()->document()->characterCount();
    report.mainClosed = mainWindow.isVisible();
    report.opening = !login.btn_Com->isEnabled();
    report.closeNs = Now();
    if (report.mainClosed) {
        mainWindow.close();
    } else {
        login.close();
    }
}

// The measured process: `port` empty shows the main window without a port.
void Drive(dtu::AppWindows& windows, const QString& port, bool hex, double seconds,
           Report* report) {
    dtu::Tfrm_Login* login = windows.login.get();
    dtu::Tfrm_MainLx1* mainWindow = &windows.Main();
    auto* waitForMain = new QTimer(mainWindow);
    if (port.isEmpty()) {
        mainWindow->show();
        login->hide();
    } else {
        if (!login->AddNetworkPort(port)) {
            qFatal("port name refused: %s", qPrintable(port));
        }
        mainWindow->findChild<QCheckBox*>("chk_HexView")->setChecked(hex);
        login->btn_Com->click();
        // The main window shows once the port is open; the user reads first.
        QObject::connect(waitForMain, &QTimer::timeout, mainWindow,
                         [mainWindow, waitForMain, report] {
                             if (mainWindow->isVisible()) {
                                 waitForMain->stop();
                                 mainWindow->findChild<QPushButton*>("btn_Read")->click();
                                 report->readStarted = true;
                             }
                         });
        waitForMain->start(5);
    }
    const auto flood = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::duration<double>(seconds));
    QTimer::singleShot(flood, mainWindow, [mainWindow, login, waitForMain, report] {
        waitForMain->stop();
        CloseAsTheUser(*mainWindow, *login, *report);
    });
}

int RunWindows(int argc, char** argv) {
    const double seconds = std::atof(argv[2]);
    const bool hex = std::strcmp(argv[3], "1") == 0;
    const QString port = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    int qtArgc = 1;
    Report report;
    int status = 0;
    {
        QApplication app(qtArgc, argv);
        status = dtu::RunApplication(
            app, [&](dtu::AppWindows& windows) { Drive(windows, port, hex, seconds, &report); });
        report.loopEndNs = Now();
    }
    if (write(kReportFd, &report, sizeof report) != static_cast<ssize_t>(sizeof report)) {
        return 1;
    }
    return status;
}

struct Case {
    std::string label;
    const HostileServer* server;  // null: the baseline
    bool hex;
};

struct Figures {
    Report report;
    bool reported = false;
    bool killed = false;
    long peakKb = 0;
    std::int64_t exitNs = 0;
    int status = -1;
};

// Reads the report until the process closes the pipe by ending, or the deadline.
bool ReadReport(int fd, Clock::time_point deadline, Report& report) {
    std::size_t got = 0;
    char* into = reinterpret_cast<char*>(&report);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd wait{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&wait, 1, static_cast<int>(left.count())) <= 0) {
            return false;
        }
        char buffer[sizeof report];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            return n == 0 && got == sizeof report;
        }
        const std::size_t take = std::min(sizeof report - got, static_cast<std::size_t>(n));
        std::memcpy(into + got, buffer, take);
        got += take;
    }
}

Figures Measure(const Case& c, double seconds) {
    Figures figures;
    char dirTemplate[] = "/tmp/window_flood_XXXXXX";
    if (mkdtemp(dirTemplate) == nullptr) {
        return figures;
    }
    const std::string configDir = dirTemplate;
    std::optional<HostileServerRun> server;
    if (c.server != nullptr) {
        server.emplace(*c.server);
    }
    const std::string port = server ? server->PortName() : std::string();
    const std::string secondsText = std::to_string(seconds);
    std::vector<std::string> args = {"window_flood_bench", kWindowOption, secondsText,
                                     c.hex ? "1" : "0"};
    if (!port.empty()) {
        args.push_back(port);
    }
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> env = dtu::bench::ChildEnvironment(configDir);
    std::vector<char*> envp;
    for (std::string& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        return figures;
    }
    const pid_t child = fork();
    if (child == 0) {
        if (fds[1] == kReportFd) {
            fcntl(kReportFd, F_SETFD, 0);
        } else {
            dup2(fds[1], kReportFd);
        }
        execve("/proc/self/exe", argv.data(), envp.data());
        _exit(127);
    }
    close(fds[1]);
    const auto deadline =
        Clock::now() +
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds)) +
        kGrace;
    figures.reported = ReadReport(fds[0], deadline, figures.report);
    close(fds[0]);
    if (!figures.reported) {
        kill(child, SIGKILL);
        figures.killed = true;
    }
    rusage usage{};
    wait4(child, &figures.status, 0, &usage);
    figures.exitNs = Now();
    figures.peakKb = usage.ru_maxrss;
    if (server) {
        server->Stop();
    }
    std::filesystem::remove_all(configDir);
    return figures;
}

double Millis(std::int64_t from, std::int64_t to) {
    return static_cast<double>(to - from) / 1e6;
}

void Print(const Case& c, const Figures& f) {
    if (!f.reported) {
        std::printf("  %-50s peak RSS %6.1f MB, no report: %s\n", c.label.c_str(),
                    static_cast<double>(f.peakKb) / 1024.0,
                    f.killed ? "killed after the grace time" : "ended early");
        return;
    }
    const Report& r = f.report;
    std::printf(
        "  %-50s peak RSS %6.1f MB (%6.1f at close), close to loop end %7.1f ms, to exit %7.1f "
        "ms, exit %d; closed the %s window%s, read %s, log %d lines %d chars\n",
        c.label.c_str(), static_cast<double>(f.peakKb) / 1024.0,
        static_cast<double>(r.closePeakKb) / 1024.0, Millis(r.closeNs, r.loopEndNs),
        Millis(r.closeNs, f.exitNs), WIFEXITED(f.status) ? WEXITSTATUS(f.status) : -1,
        r.mainClosed ? "main" : "port", r.opening ? " (open under way)" : "",
        r.readStarted ? "started" : "never started", r.logLines, r.logChars);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], kWindowOption) == 0) {
        return RunWindows(argc, argv);
    }
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    std::vector<Case> cases = {{"main window shown, no port (baseline)", nullptr, false}};
    for (const HostileServer& server : dtu::bench::kHostileServers) {
        cases.push_back({server.name, &server, false});
    }
    for (const HostileServer& server : dtu::bench::kHostileServers) {
        if (server.accepts) {
            cases.push_back({std::string(server.name) + ", hex view", &server, true});
        }
    }
    std::printf(
        "the windows against hostile servers, closed after %.1f s (goal: peak RSS <= 64 MB, "
        "close to exit <= 100 ms)\n",
        seconds);
    for (const Case& c : cases) {
        Print(c, Measure(c, seconds));
        std::fflush(stdout);
    }
    return 0;
}
