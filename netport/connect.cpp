#include "netport/connect.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

namespace dtu {

namespace {

struct ErrnoRow {
    int error;
    OpenFailure kind;
};

constexpr std::array<ErrnoRow, 5> kConnectErrors = {{
    {ECONNREFUSED, OpenFailure::Refused},
    {ENETUNREACH, OpenFailure::Unreachable},
    {EHOSTUNREACH, OpenFailure::Unreachable},
    {ENETDOWN, OpenFailure::Unreachable},
    {ETIMEDOUT, OpenFailure::NoAnswer},
}};

struct AddrInfoFree {
    void operator()(addrinfo* info) const { freeaddrinfo(info); }
};

// The errno of a connect still under way once it ends within `timeout`;
// ETIMEDOUT when it does not, ECANCELED when `cancelFd` became readable.
int FinishConnect(int fd, std::chrono::milliseconds timeout, int cancelFd) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return ETIMEDOUT;
        }
        std::array<pollfd, 2> entries{{{fd, POLLOUT, 0}, {cancelFd, POLLIN, 0}}};
        const int ready = poll(entries.data(), entries.size(), static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            return errno;
        }
        if (ready == 0) {
            return ETIMEDOUT;
        }
        if (entries[1].revents != 0) {
            return ECANCELED;
        }
        int error = 0;
        socklen_t size = sizeof error;
        if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) {
            return errno;
        }
        return error;
    }
}

}  // namespace

OpenError ConnectFailure(const std::string& name, int error) {
    for (const ErrnoRow& row : kConnectErrors) {
        if (row.error == error) {
            OpenError failure;
            failure.kind = row.kind;
            failure.path = name;
            return failure;
        }
    }
    return OtherOpenError(name, std::strerror(error));
}

OpenError LookupFailure(const std::string& name, int status) {
    if (status == EAI_SYSTEM) {
        return OtherOpenError(name, std::strerror(errno));
    }
    OpenError failure;
    failure.kind = OpenFailure::NoSuchHost;
    failure.path = name;
    failure.systemText = gai_strerror(status);
    return failure;
}

Connection ConnectTo(const NetPortName& server, const std::string& name,
                     std::chrono::milliseconds timeout, int cancelFd) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(server.port);
    const int status = getaddrinfo(server.host.c_str(), service.c_str(), &hints, &found);
    if (status != 0) {
        return {-1, LookupFailure(name, status)};
    }
    const std::unique_ptr<addrinfo, AddrInfoFree> addresses(found);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int lastError = ETIMEDOUT;
    for (const addrinfo* at = addresses.get(); at != nullptr; at = at->ai_next) {
        const int fd =
            socket(at->ai_family, at->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, at->ai_protocol);
        if (fd < 0) {
            lastError = errno;
            continue;
        }
        int error = connect(fd, at->ai_addr, at->ai_addrlen) == 0 ? 0 : errno;
        if (error == EINPROGRESS) {
            error = FinishConnect(fd,
                                  std::chrono::duration_cast<std::chrono::milliseconds>(
                                      deadline - std::chrono::steady_clock::now()),
                                  cancelFd);
        }
        if (error == 0) {
            // Each command line is one small write: send it at once.
            const int on = 1;
            setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            return {fd, {}};
        }
        close(fd);
        lastError = error;
        if (error == ETIMEDOUT || error == ECANCELED) {
            break;  // the time-out covers all the addresses
        }
    }
    return {-1, ConnectFailure(name, lastError)};
}

}  // namespace dtu
