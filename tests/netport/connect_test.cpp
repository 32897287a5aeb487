#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "netport/connect.h"
#include "netport/net_link.h"
#include "netport/telnet.h"
#include "serial/read_worker.h"
#include "serial/receive_budget.h"

namespace dtu {
namespace {

using namespace std::chrono_literals;

// Keeps posted work until the test runs it.
class QueuePoster : public EventPoster {
public:
    void Post(std::function<void()> work) override {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(work));
    }
    // Runs what has been posted so far, not what that posts in turn.
    void RunPosted() {
        std::deque<std::function<void()>> posted;
        {
            const std::lock_guard lock(mutex_);
            posted.swap(queue_);
        }
        for (auto& work : posted) {
            work();
        }
    }
    // Runs posted work until `done` holds; false after two seconds.
    bool RunUntil(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + 2s;
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::function<void()> work;
            {
                const std::lock_guard lock(mutex_);
                if (!queue_.empty()) {
                    work = std::move(queue_.front());
                    queue_.pop_front();
                }
            }
            work ? work() : std::this_thread::sleep_for(1ms);
        }
        return true;
    }

private:
    std::mutex mutex_;
    std::deque<std::function<void()>> queue_;
};

// A listening socket on 127.0.0.1 and a free port.
struct Listener {
    explicit Listener(int backlog = 4) {
        fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        listen(fd, backlog);
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
        port = ntohs(address.sin_port);
    }
    ~Listener() { close(fd); }
    // A client connection, which waits in the queue until accepted; -1 when refused.
    int Connect() const {
        const int client = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            close(client);
            return -1;
        }
        return client;
    }
    std::string Name(const char* scheme) const {
        return std::string(scheme) + "://127.0.0.1:" + std::to_string(port);
    }
    int fd;
    std::uint16_t port;
};

std::string ReadSome(int fd) {
    char buffer[256];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    return count > 0 ? std::string(buffer, static_cast<std::size_t>(count)) : std::string();
}

void Say(int peer, const std::string& bytes) {
    [[maybe_unused]] const ssize_t sent = send(peer, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

// The server's answer to a com-port setting: the request's bytes, command plus 100.
std::string ServerAnswer(telnet::ComPortCommand command, std::uint32_t value) {
    std::string answer = telnet::ComPortRequest(command, value);
    answer[3] = static_cast<char>(answer[3] + telnet::kServerAnswer);
    return answer;
}

TEST(ConnectTest, ConnectAndLookupErrorsBecomeTheirFailures) {
    struct Row {
        int error;
        OpenFailure kind;
    };
    const Row rows[] = {
        {ECONNREFUSED, OpenFailure::Refused},
        {ENETUNREACH, OpenFailure::Unreachable},
        {EHOSTUNREACH, OpenFailure::Unreachable},
        {ETIMEDOUT, OpenFailure::NoAnswer},
        {EACCES, OpenFailure::Other},
    };
    for (const Row& row : rows) {
        const OpenError failure = ConnectFailure("socket://h:1", row.error);
        EXPECT_EQ(failure.kind, row.kind) << row.error;
        EXPECT_EQ(failure.path, "socket://h:1");
    }
    const OpenError lookup = LookupFailure("socket://nowhere:1", EAI_NONAME);
    EXPECT_EQ(lookup.kind, OpenFailure::NoSuchHost);
    EXPECT_EQ(lookup.systemText, gai_strerror(EAI_NONAME));
}

TEST(ConnectTest, OpenFailuresOfServersOnLoopback) {
    QueuePoster poster;
    NetLink link(poster);
    link.SetConnectTimeout(300ms);

    std::uint16_t closedPort = 0;
    {
        const Listener gone;
        closedPort = gone.port;
    }
    EXPECT_EQ(link.Open("socket://127.0.0.1:" + std::to_string(closedPort), {}).kind,
              OpenFailure::Refused);
    EXPECT_EQ(link.Open("socket://127.0.0.1", {}).kind, OpenFailure::BadAddress);

    // A server whose queue of connections is full never answers the next one.
    const Listener full(0);
    const int queued = full.Connect();
    ASSERT_GE(queued, 0);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(link.Open(full.Name("socket"), {}).kind, OpenFailure::NoAnswer);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);  // bounded by the time-out
    close(queued);
}

TEST(ConnectTest, PlainTcpCarriesBytesUnchangedAndReportsTheServerGone) {
    QueuePoster poster;
    NetLink link(poster);
    std::string received;
    int hangups = 0;
    link.OnReceiveData = [&](const std::string& block) { received += block; };
    link.OnRequestHangup = [&] { ++hangups; };
    const Listener server;
    ASSERT_EQ(link.Open(server.Name("socket"), {}).kind, OpenFailure::None);
    EXPECT_TRUE(link.LineSetByServer());
    const int peer = accept4(server.fd, nullptr, nullptr, SOCK_CLOEXEC);

    ASSERT_TRUE(link.Write("AT\xFF\r\n"));
    EXPECT_EQ(ReadSome(peer), "AT\xFF\r\n");
    const std::string answer = "\r\nOK\xFF\r\n";
    ASSERT_EQ(write(peer, answer.data(), answer.size()), static_cast<ssize_t>(answer.size()));
    ASSERT_TRUE(poster.RunUntil([&] { return received == answer; }));

    // Other line settings: only the server can give them.
    LineRequest faster;
    faster.baud = 57600;
    EXPECT_EQ(link.ChangeLine({}).kind, OpenFailure::None);
    const OpenError change = link.ChangeLine(faster);
    EXPECT_EQ(change.kind, OpenFailure::ServerLine);
    EXPECT_EQ(change.systemText, "57600,NONE,8,1");

    close(peer);
    ASSERT_TRUE(poster.RunUntil([&] { return hangups == 1; }));
    EXPECT_FALSE(link.Write("AT\r\n"));
}

TEST(ConnectTest, NoticesOfAClosedConnectionNeverReachTheNextOne) {
    QueuePoster poster;
    NetLink link(poster);
    int hangups = 0;
    link.OnRequestHangup = [&] { ++hangups; };
    const Listener server;
    ASSERT_EQ(link.Open(server.Name("socket"), {}).kind, OpenFailure::None);
    close(accept4(server.fd, nullptr, nullptr, SOCK_CLOEXEC));
    std::this_thread::sleep_for(50ms);  // lets the reader post the loss, not yet run
    ASSERT_EQ(link.Open(server.Name("socket"), {}).kind, OpenFailure::None);
    const int second = accept4(server.fd, nullptr, nullptr, SOCK_CLOEXEC);
    EXPECT_FALSE(poster.RunUntil([&] { return hangups > 0; }));
    close(second);
    EXPECT_TRUE(poster.RunUntil([&] { return hangups == 1; }));
}

TEST(ConnectTest, Rfc2217ServersThatDoNotTakeTheLineAreLineSettingsFailures) {
    struct Row {
        const char* name;
        std::function<void(int peer)> serve;  // one connection; closed afterwards
        LineProblem problem;
    };
    const Row rows[] = {
        {"refuses the option",
         [](int peer) {
             Say(peer, telnet::Negotiation(telnet::kDont, telnet::kComPort));
             ReadSome(peer);
         },
         {LineSetting::Line, LineTrouble::NoComPortOption, LineHolder::Server}},
        {"keeps another baud rate",
         [](int peer) {
             Say(peer, telnet::Negotiation(telnet::kDo, telnet::kComPort));
             std::string heard;
             while (heard.find(std::string("\xFF\xFA\x2C\x01", 4)) == std::string::npos) {
                 const std::string more = ReadSome(peer);
                 if (more.empty()) {
                     return;
                 }
                 heard += more;
             }
             Say(peer, ServerAnswer(telnet::ComPortCommand::SetBaudRate, 9600));
             ReadSome(peer);
         },
         {LineSetting::BaudRate, LineTrouble::NotKept, LineHolder::Server, 115200, 9600}},
    };
    for (const Row& row : rows) {
        QueuePoster poster;
        NetLink link(poster);
        const Listener server;
        std::thread peer([&] {
            const int fd = accept4(server.fd, nullptr, nullptr, SOCK_CLOEXEC);
            row.serve(fd);
            close(fd);
        });
        const OpenError failure = link.Open(server.Name("rfc2217"), {});
        link.Close();
        peer.join();
        EXPECT_EQ(failure.kind, OpenFailure::LineSettings) << row.name;
        EXPECT_EQ(failure.line, row.problem) << row.name;
    }
}

TEST(ConnectTest, ConnectingInTheBackgroundEndsOnTheOwnerThreadOrNotAtAll) {
    QueuePoster poster;
    NetLink link(poster);
    std::vector<OpenFailure> results;
    auto record = [&](const OpenError& result) { results.push_back(result.kind); };

    const Listener server;
    link.BeginOpen(server.Name("socket"), {}, record);
    EXPECT_TRUE(link.Opening());
    ASSERT_TRUE(poster.RunUntil([&] { return !results.empty(); }));
    EXPECT_EQ(results, std::vector<OpenFailure>{OpenFailure::None});
    EXPECT_FALSE(link.Opening());
    EXPECT_TRUE(link.Write("AT\r\n"));

    // A server that never answers: closing gives the connect up at once.
    const Listener full(0);
    const int queued = full.Connect();
    ASSERT_GE(queued, 0);
    link.BeginOpen(full.Name("socket"), {}, record);
    EXPECT_FALSE(link.Write("AT\r\n"));  // the earlier connection is gone
    const auto closing = std::chrono::steady_clock::now();
    link.Close();
    EXPECT_LT(std::chrono::steady_clock::now() - closing, NetLink::kConnectTimeout / 2);
    EXPECT_FALSE(poster.RunUntil([&] { return results.size() > 1; }));
    close(queued);

    // An RFC 2217 server that agrees and then leaves a setting unanswered: the
    // same while the link waits for it.
    const Listener agreeing;
    link.BeginOpen(agreeing.Name("rfc2217"), {}, record);
    const int silent = accept4(agreeing.fd, nullptr, nullptr, SOCK_CLOEXEC);
    Say(silent, telnet::Negotiation(telnet::kDo, telnet::kComPort));
    std::string heard;
    for (int i = 0; i < 100 && heard.find("\xFF\xFA\x2C\x01") == std::string::npos; ++i) {
        heard += ReadSome(silent);  // up to the baud rate the link now waits for
    }
    const auto giving = std::chrono::steady_clock::now();
    link.Close();
    EXPECT_LT(std::chrono::steady_clock::now() - giving, NetLink::kSettingTimeout / 2);
    close(silent);
}

// A resolver that does not answer until the test lets it.
std::atomic<bool> resolverReleased{false};
int StuckResolver(const char*, const char*, const addrinfo*, addrinfo**) {
    for (int i = 0; i < 10000 && !resolverReleased; ++i) {
        std::this_thread::sleep_for(1ms);
    }
    return EAI_AGAIN;
}

TEST(ConnectTest, AResolverThatDoesNotAnswerIsLeftBehind) {
    const NetPortName server{NetProtocol::RawTcp, "dtu-server.invalid", 2001};
    const std::string name = "socket://dtu-server.invalid:2001";
    EXPECT_EQ(ConnectTo(server, name, 200ms, -1, StuckResolver).error.kind, OpenFailure::NoAnswer);
    const int cancel = eventfd(1, EFD_CLOEXEC);  // readable: given up at once
    EXPECT_EQ(ConnectTo(server, name, 10s, cancel, StuckResolver).error.kind,
              OpenFailure::Other);  // cancelled, not timed out
    close(cancel);
    resolverReleased = true;
}

constexpr std::size_t kChunk = 64 * 1024;
constexpr int kMaxChunks = 4096;  // 256 MiB: no peer writes more

// Writes `chunk` until the client takes nothing for 200 ms or has gone.
void Flood(int peer, const std::string& chunk) {
    fcntl(peer, F_SETFL, O_NONBLOCK);
    for (int i = 0; i < kMaxChunks; ++i) {
        pollfd entry{peer, POLLOUT, 0};
        if (poll(&entry, 1, 200) <= 0 || send(peer, chunk.data(), chunk.size(), MSG_NOSIGNAL) < 0) {
            return;
        }
    }
}

// Everything the client sends until it closes, for two seconds at most.
std::string Heard(int peer) {
    std::string heard;
    char buffer[4096];
    for (int i = 0; i < 200; ++i) {
        pollfd entry{peer, POLLIN, 0};
        const ssize_t count = poll(&entry, 1, 10) > 0 ? read(peer, buffer, sizeof buffer) : 0;
        if (count < 0 || (count == 0 && entry.revents != 0)) {
            break;
        }
        heard.append(buffer, static_cast<std::size_t>(count));
    }
    return heard;
}

const std::string kComPortAgreed = telnet::Negotiation(telnet::kDo, telnet::kComPort);

// What a server that agrees to the option and then does not answer leaves.
const LineProblem kBaudUnconfirmed{LineSetting::BaudRate, LineTrouble::NotConfirmed,
                                   LineHolder::Server, 115200};

// Each peer ends bounded in time and memory with its own verdict, and a peer
// that is not shown to be a telnet server receives nothing at all.
TEST(HostilePeerTest, EachPeerEndsBoundedWithItsVerdict) {
    struct Row {
        const char* name;
        const char* scheme;
        std::function<void(int peer)> serve;  // then it hears us out and closes
        OpenFailure verdict;                  // how the open fails; None: it opens
        bool mayHear;                         // false: nothing may reach the peer
    };
    const Row rows[] = {
        {"floods plain TCP", "socket", [](int peer) { Flood(peer, std::string(kChunk, 'x')); },
         OpenFailure::None, true},
        {"endless sub-negotiation", "rfc2217",
         [](int peer) {
             Say(peer, kComPortAgreed + "\xFF\xFA\x2C");
             Flood(peer, std::string(kChunk, 'x'));
         },
         OpenFailure::LineSettings, true},
        {"silent after agreeing", "rfc2217",
         [](int peer) {
             Say(peer, kComPortAgreed);
             Heard(peer);
         },
         OpenFailure::LineSettings, true},
        {"closes after agreeing", "rfc2217",
         [](int peer) {
             Say(peer, kComPortAgreed);
             shutdown(peer, SHUT_WR);
         },
         OpenFailure::ServerClosed, true},
        {"plain TCP, silent", "rfc2217", [](int) {}, OpenFailure::PlainServer, false},
        {"plain TCP, talks first", "rfc2217", [](int peer) { Say(peer, "+CSQ: 20,0\r\n"); },
         OpenFailure::PlainServer, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QueuePoster poster;
        NetLink link(poster);
        link.SetSettingTimeout(300ms);
        std::size_t received = 0;
        link.OnReceiveData = [&](const std::string& block) { received += block.size(); };
        const Listener server;
        std::atomic<bool> served{false};
        std::string heard;
        std::thread peer([&] {
            const int fd = accept4(server.fd, nullptr, nullptr, SOCK_CLOEXEC);
            row.serve(fd);
            served = true;
            heard = Heard(fd);
            close(fd);
        });
        const OpenError open = link.Open(server.Name(row.scheme), {});
        if (open.Opened()) {
            // The owner takes nothing: the reader stops at its budget and holds the peer up.
            for (int i = 0; i < 1000 && !served; ++i) {
                std::this_thread::sleep_for(10ms);
            }
            EXPECT_TRUE(served);
            poster.RunPosted();
            EXPECT_GE(received, ReceiveBudget::kBytes);
            // Past the budget: the last read's block and the block it left pending.
            EXPECT_LE(received, ReceiveBudget::kBytes + 2 * kReadBlockSize);
        }
        link.Close();
        peer.join();
        EXPECT_EQ(open.kind, row.verdict) << open.systemText;
        if (open.kind == OpenFailure::LineSettings) {
            EXPECT_EQ(open.line, kBaudUnconfirmed);
        }
        if (!row.mayHear) {
            EXPECT_EQ(heard, "");
        }
    }
}

}  // namespace
}  // namespace dtu
