#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "port/open_error.h"
#include "serial/comm.h"

namespace dtu {

// Line settings as numbers, for a port whose settings travel over the network.
struct LineRequest {
    std::uint32_t baud = 115200;
    TParity parity = TParity::None;
    int dataBits = 8;
    int stopBits = 1;

    bool operator==(const LineRequest&) const = default;
};

// "57600,NONE,8,2": the settings as the port window would show them.
std::string LineRequestText(const LineRequest& line);

// A port behind a serial device server, as the port control drives it: opened
// with line settings, written to, closed. What it receives and its loss reach
// the owner thread the way the serial component's notices do. Every member is
// called on the owner thread.
class NetworkLink {
public:
    virtual ~NetworkLink() = default;

    // Connects to the network port `name` and sets its line; kind None on success.
    virtual OpenError Open(const std::string& name, const LineRequest& line) = 0;
    // The same without blocking: `done` runs on the owner thread once the port
    // is open or has failed, unless Close or another open came first.
    virtual void BeginOpen(const std::string& name, const LineRequest& line,
                           std::function<void(const OpenError&)> done) = 0;
    // New line settings on the open connection, instead of a reopen.
    virtual OpenError ChangeLine(const LineRequest& line) = 0;
    // False when closed or once the connection failed.
    virtual bool Write(const std::string& bytes) = 0;
    // Idempotent; also gives up an open under way.
    virtual void Close() = 0;
    // The server's own line settings apply (plain TCP): ours are not sent.
    virtual bool LineSetByServer() const = 0;
};

}  // namespace dtu
