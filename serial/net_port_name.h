#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dtu {

// How a port behind a serial device server is reached.
enum class NetProtocol {
    Rfc2217,  // telnet with the com-port option: the line settings travel too
    RawTcp,   // bytes only: the server's own line settings apply
};

// A port name such as "rfc2217://10.0.0.5:2001", "socket://[fe80::1]:4001" or
// "socket://cabinet-7:2000".
struct NetPortName {
    NetProtocol protocol = NetProtocol::RawTcp;
    std::string host;  // without the brackets of an IPv6 address
    std::uint16_t port = 0;
};

// True when `name` starts with one of the network schemes, well formed or not.
bool HasNetScheme(std::string_view name);

// The parts of a network port name; nothing when it is not one or is malformed.
std::optional<NetPortName> ParseNetPortName(std::string_view name);

// Where the network port name that starts `text` ends: the first ':' after its
// port number, or the end. Lets colon-separated lists carry these names.
// A name whose IPv6 address is not closed takes the rest of the text.
std::size_t NetPortNameEnd(std::string_view text);

// The network ports kept in the settings file, comma-separated: the well-formed
// names in their order, each once.
std::vector<std::string> NetPortList(std::string_view stored);
std::string NetPortListText(const std::vector<std::string>& names);

}  // namespace dtu
