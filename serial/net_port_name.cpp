#include "serial/net_port_name.h"

#include <algorithm>
#include <array>

namespace dtu {

namespace {

struct SchemeRow {
    std::string_view prefix;
    NetProtocol protocol;
};

constexpr std::array<SchemeRow, 2> kSchemes = {{
    {"rfc2217://", NetProtocol::Rfc2217},
    {"socket://", NetProtocol::RawTcp},
}};

const SchemeRow* SchemeOf(std::string_view name) {
    for (const SchemeRow& row : kSchemes) {
        if (name.starts_with(row.prefix)) {
            return &row;
        }
    }
    return nullptr;
}

// Where the host part ends (at its ':' before the port), npos when it is not
// closed. `rest` is the text after the scheme.
std::size_t HostEnd(std::string_view rest) {
    if (rest.starts_with('[')) {
        const std::size_t close = rest.find(']');
        return close == std::string_view::npos ? close : close + 1;
    }
    return rest.find(':');
}

std::optional<std::uint16_t> PortNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 5) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

bool ValidHost(std::string_view host, bool bracketed) {
    if (host.empty()) {
        return false;
    }
    for (const char c : host) {
        const bool alnum =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool allowed = alnum || c == '.' || c == '-' || (bracketed && (c == ':' || c == '%'));
        if (!allowed) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool HasNetScheme(std::string_view name) {
    return SchemeOf(name) != nullptr;
}

std::optional<NetPortName> ParseNetPortName(std::string_view name) {
    const SchemeRow* scheme = SchemeOf(name);
    if (scheme == nullptr) {
        return std::nullopt;
    }
    const std::string_view rest = name.substr(scheme->prefix.size());
    const std::size_t hostEnd = HostEnd(rest);
    if (hostEnd == std::string_view::npos || hostEnd >= rest.size() || rest[hostEnd] != ':') {
        return std::nullopt;
    }
    const bool bracketed = rest.starts_with('[');
    const std::string_view host = bracketed ? rest.substr(1, hostEnd - 2) : rest.substr(0, hostEnd);
    const std::optional<std::uint16_t> port = PortNumber(rest.substr(hostEnd + 1));
    if (!port || !ValidHost(host, bracketed)) {
        return std::nullopt;
    }
    return NetPortName{scheme->protocol, std::string(host), *port};
}

std::size_t NetPortNameEnd(std::string_view text) {
    const SchemeRow* scheme = SchemeOf(text);
    const std::size_t start = scheme != nullptr ? scheme->prefix.size() : 0;
    if (scheme == nullptr) {
        return std::min(text.find(':'), text.size());
    }
    std::size_t hostEnd = HostEnd(text.substr(start));
    if (hostEnd == std::string_view::npos) {
        return text.size();  // an unclosed address takes the rest
    }
    hostEnd += start;
    return std::min(text.find(':', hostEnd + 1), text.size());
}

std::vector<std::string> NetPortList(std::string_view stored) {
    std::vector<std::string> names;
    while (!stored.empty()) {
        const std::size_t end = std::min(stored.find(','), stored.size());
        const std::string name(stored.substr(0, end));
        if (ParseNetPortName(name) && std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
        stored.remove_prefix(std::min(end + 1, stored.size()));
    }
    return names;
}

std::string NetPortListText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ",") + name;
    }
    return text;
}

}  // namespace dtu
