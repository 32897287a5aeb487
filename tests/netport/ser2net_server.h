#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace dtu::testing {

// A free TCP port on 127.0.0.1 at the moment of asking.
std::uint16_t FreeLoopbackPort();

// The serial device server, started in front of `devicePath` with a
// configuration written here: an RFC 2217 accepter and a plain TCP accepter,
// both on 127.0.0.1 and free ports. Stopped at destruction.
class Ser2netServer {
public:
    explicit Ser2netServer(const std::string& devicePath);
    ~Ser2netServer();
    Ser2netServer(const Ser2netServer&) = delete;
    Ser2netServer& operator=(const Ser2netServer&) = delete;

    // Empty once running; otherwise why it did not start.
    const std::string& Failure() const { return failure_; }
    std::string Rfc2217Name() const { return "rfc2217://127.0.0.1:" + std::to_string(rfcPort_); }
    std::string RawName() const { return "socket://127.0.0.1:" + std::to_string(rawPort_); }
    // Ends the server and waits for it; safe to call twice.
    void Stop();

private:
    bool WaitUntilListening();

    std::string dir_;
    std::uint16_t rfcPort_ = 0;
    std::uint16_t rawPort_ = 0;
    pid_t pid_ = -1;
    std::string failure_;
};

}  // namespace dtu::testing
