#pragma once

#include <netdb.h>

#include <chrono>
#include <string>

#include "port/open_error.h"
#include "serial/net_port_name.h"

namespace dtu {

// A TCP connection, or why there is none.
struct Connection {
    int fd = -1;  // non-blocking, close-on-exec, no delay
    OpenError error;
};

// Looks a host name up as getaddrinfo does (the default); may block for as
// long as the resolver takes.
using Resolver = int (*)(const char* host, const char* service, const addrinfo* hints,
                         addrinfo** found);

// Connects to the server of `name` (the port name, for the error) within
// `timeout`, the name lookup included, trying each address the host resolves
// to. A resolver still busy when the time is up is left behind. A readable
// `cancelFd` (-1: none) ends either wait at once.
Connection ConnectTo(const NetPortName& server, const std::string& name,
                     std::chrono::milliseconds timeout, int cancelFd = -1,
                     Resolver resolve = getaddrinfo);

// The failure a connect that ended with `error` (an errno value) stands for.
OpenError ConnectFailure(const std::string& name, int error);

// The failure a lookup that ended with `status` (of getaddrinfo) stands for.
OpenError LookupFailure(const std::string& name, int status);

}  // namespace dtu
