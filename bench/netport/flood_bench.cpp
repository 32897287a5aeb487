// `dtuconfig-cli read` against hostile servers on loopback: a plain TCP server
// that floods bytes or lines, an RFC 2217 server whose sub-negotiation never
// ends, and one that never accepts. After a while of it the program gets
// SIGINT; prints its peak RSS and the time from the signal to its exit.
// Usage: netport_flood_bench [seconds of flood, default 2]
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kChunk = 64 * 1024;
constexpr auto kFloodBound = std::chrono::seconds(60);

struct Server {
    const char* name;
    const char* scheme;
    std::string greeting;  // sent once after accepting
    char fill;             // the flood's byte; 0: no flood
    bool lines;            // a line end every 64 bytes
    bool accepts;          // false: the connect never completes
};

const Server kServers[] = {
    {"socket://, bytes without a line end", "socket", "", 'x', false, true},
    {"socket://, lines", "socket", "", 'x', true, true},
    {"rfc2217://, endless sub-negotiation", "rfc2217", "\xFF\xFD\x2C\xFF\xFA\x2C", 'p', false,
     true},
    {"rfc2217://, never accepts (connecting)", "rfc2217", "", 0, false, false},
};

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int Listen(int backlog, std::uint16_t& port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = Loopback(0);
    socklen_t size = sizeof address;
    bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    listen(fd, backlog);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    return fd;
}

// A connection that fills a backlog of 0, so that the next connect is never answered.
int FillBacklog(std::uint16_t port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = Loopback(port);
    connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    return fd;
}

void Serve(const Server& server, int listener, const std::atomic<bool>& stop) {
    const int peer = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    std::string chunk(kChunk, server.fill);
    if (server.lines) {
        for (std::size_t at = 62; at + 1 < chunk.size(); at += 64) {
            chunk.replace(at, 2, "\r\n");
        }
    }
    send(peer, server.greeting.data(), server.greeting.size(), MSG_NOSIGNAL);
    const auto end = Clock::now() + kFloodBound;
    while (!stop && Clock::now() < end &&
           send(peer, chunk.data(), chunk.size(), MSG_NOSIGNAL) > 0) {
    }
    close(peer);
}

void Measure(const Server& server, double floodSeconds) {
    std::uint16_t port = 0;
    const int listener = Listen(server.accepts ? 4 : 0, port);
    const int queued = server.accepts ? -1 : FillBacklog(port);
    std::atomic<bool> stop{false};
    std::thread peer;
    if (server.accepts) {
        peer = std::thread([&] { Serve(server, listener, stop); });
    }
    const std::string name = std::string(server.scheme) + "://127.0.0.1:" + std::to_string(port);
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
    stop = true;
    if (peer.joinable()) {
        peer.join();
    }
    if (queued >= 0) {
        close(queued);
    }
    close(listener);
    std::printf("  %-42s peak RSS %6.1f MB, SIGINT to exit %7.1f ms, exit %d\n", server.name,
                static_cast<double>(usage.ru_maxrss) / 1024.0, toExit,
                WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    std::printf("dtuconfig-cli read against hostile servers, SIGINT after %.1f s\n", seconds);
    for (const Server& server : kServers) {
        Measure(server, seconds);
    }
    return 0;
}
