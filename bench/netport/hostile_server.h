#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

namespace dtu::bench {

// A serial device server on loopback that does a port user no good.
struct HostileServer {
    const char* name;
    const char* scheme;
    std::string greeting;  // sent once after accepting
    char fill;             // the flood's byte; 0: no flood
    bool lines;            // a line end every 64 bytes
    bool accepts;          // false: the connect never completes
};

// Flooding bytes, flooding lines, an RFC 2217 sub-negotiation that never ends,
// and one that never accepts.
extern const std::array<HostileServer, 4> kHostileServers;

// One such server on 127.0.0.1, listening from construction. It floods one
// peer until it hangs up, Stop() is called or a minute has passed, whichever
// comes first; the destructor stops it.
class HostileServerRun {
public:
    explicit HostileServerRun(const HostileServer& server);
    ~HostileServerRun();
    HostileServerRun(const HostileServerRun&) = delete;
    HostileServerRun& operator=(const HostileServerRun&) = delete;

    // The port name that reaches it, e.g. "socket://127.0.0.1:40123".
    std::string PortName() const;
    void Stop();

private:
    void Serve();

    const HostileServer& server_;
    std::uint16_t port_ = 0;
    int listener_ = -1;
    int queued_ = -1;  // the connection that fills the backlog of one that never accepts
    std::atomic<bool> stop_{false};
    std::thread peer_;
};

}  // namespace dtu::bench
