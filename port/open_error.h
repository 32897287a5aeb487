#pragma once

#include <string>

#include "port/line_problem.h"

namespace dtu {

// Why a port did not open, as far as the system lets us see it.
enum class OpenFailure {
    None,
    Permission,    // the node exists but this user may not open it
    Busy,          // another program holds the port
    Missing,       // no such node, or no device behind it (unplugged)
    LineSettings,  // the port refused the line settings or kept others, told by `line`
    Other,         // anything else, told by `systemText`
    TooManyFiles,  // out of descriptors, for the process or the system
    AlreadyOpen,   // the port is open already
    NoSettings,    // the terminal's settings cannot be read
    NoReader,      // the reading thread did not start
    NoWriter,      // the writing thread did not start
    // A line-setting text that is no value; `systemText` is the text.
    BadBaudRate,
    BadDataBits,
    BadStopBits,
    // A port behind a serial device server (`path` is its network name).
    BadAddress,    // not of the form rfc2217://HOST:PORT or socket://HOST:PORT
    NoSuchHost,    // the host name does not resolve, told by `systemText`
    Refused,       // nothing listens on that port
    Unreachable,   // no route to the host
    NoAnswer,      // the server did not answer within the connect time-out
    ServerLine,    // a raw TCP server keeps its own line; `systemText` names the new one
    ServerClosed,  // the server closed the connection before the port was set up
    PlainServer,   // a telnet port's server speaks plain TCP: socket:// reaches it
    Cancelled,     // the port was closed while it connected
    NotConnected,  // no connection to set the line on
};

// How an open ended: kind None when the port opened, else the failure as it
// was captured where it happened, for the front ends to put into words.
struct OpenError {
    OpenFailure kind = OpenFailure::None;
    std::string path;           // the device path asked for
    std::string group;          // Permission: the node's group
    bool rootOnly = false;      // Permission: no group may open the node, only root
    int holderPid = 0;          // Busy: the holding process, 0 when unknown
    std::string holderProgram;  // Busy: its program name
    // The words the kind is told by: the system's reason, the line a server
    // keeps, the text that is no value (UTF-8).
    std::string systemText;
    LineProblem line;  // LineSettings: the setting and what became of it

    // The port opened: there is nothing to tell.
    bool Opened() const { return kind == OpenFailure::None; }
    bool operator==(const OpenError&) const = default;
};

// A failure of `kind` at `path`, told by `text` where the kind is.
OpenError FailureOf(OpenFailure kind, const std::string& path, const std::string& text = {});

// A failure the system did not classify: settings the port cannot take, say.
OpenError OtherOpenError(const std::string& path, const std::string& reason);

// Line settings the port refused or did not keep, as `problem` tells.
OpenError LineSettingsError(const std::string& path, const LineProblem& problem);

}  // namespace dtu
