#include "bench/netport/hostile_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace dtu::bench {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kChunk = 64 * 1024;
constexpr auto kFloodBound = std::chrono::seconds(60);

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

}  // namespace

const std::array<HostileServer, 4> kHostileServers = {{
    {"socket://, bytes without a line end", "socket", "", 'x', false, true},
    {"socket://, lines", "socket", "", 'x', true, true},
    {"rfc2217://, endless sub-negotiation", "rfc2217", "\xFF\xFD\x2C\xFF\xFA\x2C", 'p', false,
     true},
    {"rfc2217://, never accepts (connecting)", "rfc2217", "", 0, false, false},
}};

HostileServerRun::HostileServerRun(const HostileServer& server) : server_(server) {
    listener_ = Listen(server.accepts ? 4 : 0, port_);
    if (server.accepts) {
        peer_ = std::thread([this] { Serve(); });
    } else {
        queued_ = FillBacklog(port_);
    }
}

HostileServerRun::~HostileServerRun() {
    Stop();
    if (queued_ >= 0) {
        close(queued_);
    }
    close(listener_);
}

std::string HostileServerRun::PortName() const {
    return std::string(server_.scheme) + "://127.0.0.1:" + std::to_string(port_);
}

void HostileServerRun::Stop() {
    stop_ = true;
    // A server still waiting for its peer is woken by the listener's shutdown.
    shutdown(listener_, SHUT_RDWR);
    if (peer_.joinable()) {
        peer_.join();
    }
}

void HostileServerRun::Serve() {
    const int peer = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (peer < 0) {
        return;
    }
    std::string chunk(kChunk, server_.fill);
    if (server_.lines) {
        for (std::size_t at = 62; at + 1 < chunk.size(); at += 64) {
            chunk.replace(at, 2, "\r\n");
        }
    }
    // A peer that stops reading leaves a send waiting at most this long, so Stop() is heard.
    const timeval sendWait{1, 0};
    setsockopt(peer, SOL_SOCKET, SO_SNDTIMEO, &sendWait, sizeof sendWait);
    send(peer, server_.greeting.data(), server_.greeting.size(), MSG_NOSIGNAL);
    const auto end = Clock::now() + kFloodBound;
    while (!stop_ && Clock::now() < end) {
        if (send(peer, chunk.data(), chunk.size(), MSG_NOSIGNAL) < 0 && errno != EAGAIN) {
            break;
        }
    }
    close(peer);
}

}  // namespace dtu::bench
