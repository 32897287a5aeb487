#pragma once

#include <optional>
#include <string>
#include <vector>

#include "port/open_error.h"

namespace dtu::cli {

// The serial port list and the reasons a port cannot be used, in the terms a
// user at a terminal needs (UTF-8, English).

struct PortEntry {
    std::string path;
    std::string description;  // maker, product, serial number, by-id name; empty when unknown
};

// The ports the port window lists, described.
std::vector<PortEntry> ListPortEntries();

// Why `port` names no device, or nothing when it does.
std::optional<std::string> UnknownPort(const std::string& port);

// One line that says why a port did not open and what to do about it: the group
// to join for a denied permission, who holds a busy port.
std::string ExplainOpenFailure(const OpenError& error);

}  // namespace dtu::cli
