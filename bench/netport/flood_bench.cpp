// `dtuconfig-cli read` against hostile servers on loopback: a plain TCP server
// that floods bytes or lines, an RFC 2217 server whose sub-negotiation never
// ends, and one that never accepts. After a while of it the program gets
// SIGINT; prints its peak RSS and the time from the signal to its exit.
// Usage: netport_flood_bench [seconds of flood, default 2]
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "bench/netport/hostile_server.h"

namespace {

using Clock = std::chrono::steady_clock;
using dtu::bench::HostileServer;
using dtu::bench::HostileServerRun;

void Measure(const HostileServer& server, double floodSeconds) {
    HostileServerRun run(server);
    const std::string name = run.PortName();
    const pid_t child = fork();
    if (child == 0) {
        execl(DTU_CLI_PATH, "dtuconfig-cli", "read", name.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(floodSeconds));
    const auto signalled = Clock::now();
    kill(child, SIGINT);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double toExit =
        std::chrono::duration<double, std::milli>(Clock::now() - signalled).count();
    run.Stop();
    std::printf("  %-42s peak RSS %6.1f MB, SIGINT to exit %7.1f ms, exit %d\n", server.name,
                static_cast<double>(usage.ru_maxrss) / 1024.0, toExit,
                WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    std::printf("dtuconfig-cli read against hostile servers, SIGINT after %.1f s\n", seconds);
    for (const HostileServer& server : dtu::bench::kHostileServers) {
        Measure(server, seconds);
    }
    return 0;
}
