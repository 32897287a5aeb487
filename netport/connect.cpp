#include "netport/connect.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace dtu {

namespace {

using Clock = std::chrono::steady_clock;

// Lookup results of our own, apart from getaddrinfo's EAI_ codes (all negative).
constexpr int kLookupTimedOut = 1;
constexpr int kLookupCancelled = 2;

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
using Addresses = std::unique_ptr<addrinfo, AddrInfoFree>;

// One name lookup on a thread of its own, shared by that thread and the one
// waiting for it: a resolver that does not answer is left behind, not waited
// for, and the thread frees what it finds once nobody wants it.
struct Lookup {
    Lookup() : done(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~Lookup() {
        if (done >= 0) {
            close(done);
        }
    }
    Lookup(const Lookup&) = delete;
    Lookup& operator=(const Lookup&) = delete;

    const int done;  // readable once the lookup ended
    std::mutex mutex;
    int status = EAI_AGAIN;
    Addresses found;
};

constexpr addrinfo Hints(int flags) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV | flags;
    return hints;
}

// Waits until `until` for `events` on `fd`; ECANCELED when `cancelFd` turns
// readable first, ETIMEDOUT when the time runs out.
int WaitFor(int fd, short events, Clock::time_point until, int cancelFd) {
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0) {
            return ETIMEDOUT;
        }
        std::array<pollfd, 2> entries{{{fd, events, 0}, {cancelFd, POLLIN, 0}}};
        const int ready = poll(entries.data(), entries.size(), static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return ready == 0 ? ETIMEDOUT : errno;
        }
        return entries[1].revents != 0 ? ECANCELED : 0;
    }
}

// Runs `resolve` for `host` on a thread that outlives the wait for it if need be.
void StartLookup(const std::shared_ptr<Lookup>& lookup, const std::string& host,
                 const std::string& service, Resolver resolve) {
    std::thread([lookup, host, service, resolve] {
        const addrinfo hints = Hints(0);
        addrinfo* result = nullptr;
        const int status = resolve(host.c_str(), service.c_str(), &hints, &result);
        {
            const std::lock_guard lock(lookup->mutex);
            lookup->status = status;
            lookup->found.reset(status == 0 ? result : nullptr);
        }
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(lookup->done, &one, sizeof one);
    }).detach();
}

// The addresses of `host`, resolved by `resolve` before `deadline`. An address
// written as one needs no resolver and no thread.
int Resolve(const NetPortName& server, Resolver resolve, Clock::time_point deadline, int cancelFd,
            Addresses& addresses) {
    const std::string service = std::to_string(server.port);
    addrinfo* found = nullptr;
    const addrinfo numeric = Hints(AI_NUMERICHOST);
    if (getaddrinfo(server.host.c_str(), service.c_str(), &numeric, &found) == 0) {
        addresses.reset(found);
        return 0;
    }
    const auto lookup = std::make_shared<Lookup>();
    if (lookup->done < 0) {
        return EAI_SYSTEM;
    }
    try {
        StartLookup(lookup, server.host, service, resolve);
    } catch (const std::system_error& error) {
        errno = error.code().value();
        return EAI_SYSTEM;
    }
    const int waited = WaitFor(lookup->done, POLLIN, deadline, cancelFd);
    if (waited != 0) {
        return waited == ECANCELED ? kLookupCancelled : kLookupTimedOut;
    }
    const std::lock_guard lock(lookup->mutex);
    addresses = std::move(lookup->found);
    return lookup->status;
}

// The errno of a connect still under way once it ends before `deadline`;
// ETIMEDOUT when it does not, ECANCELED when `cancelFd` became readable.
int FinishConnect(int fd, Clock::time_point deadline, int cancelFd) {
    if (const int waited = WaitFor(fd, POLLOUT, deadline, cancelFd); waited != 0) {
        return waited;
    }
    int error = 0;
    socklen_t size = sizeof error;
    return getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 ? error : errno;
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
                     std::chrono::milliseconds timeout, int cancelFd, Resolver resolve) {
    // The lookup and the connect share the one time-out.
    const auto deadline = Clock::now() + timeout;
    Addresses addresses;
    const int status = Resolve(server, resolve, deadline, cancelFd, addresses);
    if (status == kLookupTimedOut || status == kLookupCancelled) {
        return {-1, ConnectFailure(name, status == kLookupTimedOut ? ETIMEDOUT : ECANCELED)};
    }
    if (status != 0) {
        return {-1, LookupFailure(name, status)};
    }
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
            error = FinishConnect(fd, deadline, cancelFd);
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
