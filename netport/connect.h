#pragma once

#include <chrono>
#include <string>

#include "serial/net_port_name.h"
#include "serial/open_error.h"

namespace dtu {

// A TCP connection, or why there is none.
struct Connection {
    int fd = -1;  // non-blocking, close-on-exec, no delay
    OpenError error;
};

// Connects to the server of `name` (the port name, for the error) within
// `timeout`, trying each address the host resolves to. Resolving a host name
// may take the resolver's own time. A readable `cancelFd` (-1: none) ends the
// wait at once.
Connection ConnectTo(const NetPortName& server, const std::string& name,
                     std::chrono::milliseconds timeout, int cancelFd = -1);

// The failure a connect that ended with `error` (an errno value) stands for.
OpenError ConnectFailure(const std::string& name, int error);

// The failure a lookup that ended with `status` (of getaddrinfo) stands for.
OpenError LookupFailure(const std::string& name, int status);

}  // namespace dtu
