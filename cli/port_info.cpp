#include "cli/port_info.h"

#include <filesystem>

#include "lang/builtin_texts.h"
#include "render/open_failure_reason.h"
#include "serial/net_port_name.h"
#include "serial/port_identity.h"
#include "serial/port_lock.h"

namespace dtu::cli {

std::vector<PortEntry> ListPortEntries() {
    std::vector<PortEntry> entries;
    for (const PortInfo& port : ListPortInfos()) {
        entries.push_back({port.path, PortDescription(port)});
    }
    return entries;
}

std::optional<std::string> UnknownPort(const std::string& port) {
    if (HasNetScheme(port)) {
        return std::nullopt;  // the open tells what is wrong with it
    }
    std::error_code error;
    if (std::filesystem::exists(DevicePathFor(port), error)) {
        return std::nullopt;
    }
    return "unknown port " + port + ": no such device (dtuconfig-cli ports lists the ports)";
}

std::string ExplainOpenFailure(const OpenError& error) {
    const std::string& port = error.path;
    switch (error.kind) {
        case OpenFailure::None:
            return port + ": opened";
        case OpenFailure::Permission:
            return error.rootOnly ? port + ": permission denied: only root may open it"
                                  : port + ": permission denied: it belongs to the group " +
                                        error.group + "; join it (sudo usermod -aG " + error.group +
                                        " $USER) and log in again";
        case OpenFailure::Busy:
            return port + ": busy, held by " +
                   (error.holderPid > 0 ? "PID " + std::to_string(error.holderPid) + " (" +
                                              error.holderProgram + ")"
                                        : std::string("another program"));
        case OpenFailure::Missing:
            return port + ": no such device (unplugged?)";
        case OpenFailure::LineSettings:
            return port + ": does not take these line settings: " +
                   OpenFailureReason(error, EnglishBuiltinTable(), SystemWords::AsGiven);
        case OpenFailure::Other:
        case OpenFailure::TooManyFiles:
        case OpenFailure::AlreadyOpen:
        case OpenFailure::NoSettings:
        case OpenFailure::NoReader:
        case OpenFailure::NoWriter:
        case OpenFailure::BadBaudRate:
        case OpenFailure::BadDataBits:
        case OpenFailure::BadStopBits:
        case OpenFailure::ServerClosed:
        case OpenFailure::PlainServer:
        case OpenFailure::Cancelled:
        case OpenFailure::NotConnected:
            return port + ": cannot be opened: " +
                   OpenFailureReason(error, EnglishBuiltinTable(), SystemWords::AsGiven);
        case OpenFailure::BadAddress:
            return port + ": not a network port name (rfc2217://HOST:PORT or socket://HOST:PORT)";
        case OpenFailure::NoSuchHost:
            return port + ": the host name does not resolve (" + error.systemText + ")";
        case OpenFailure::Refused:
            return port + ": the server refused the connection (nothing listens there)";
        case OpenFailure::Unreachable:
            return port + ": no route to the server";
        case OpenFailure::NoAnswer:
            return port + ": the server did not answer in time";
        case OpenFailure::ServerLine:
            return port + ": the server sets the line itself; set it there to " + error.systemText;
    }
    return port + ": cannot be opened";
}

}  // namespace dtu::cli
