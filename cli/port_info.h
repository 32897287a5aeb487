#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace dtu::cli {

// The serial port list and the reasons a port cannot be used, in the terms a
// user at a terminal needs. The serial library will tell more (USB details, the
// classification of open errors); these functions are where that goes in.

struct PortEntry {
    std::string path;
    std::string description;  // empty when the system says nothing
};

// The ports the port window lists, each described by its name in `byIdDir`
// (the persistent names udev gives USB adapters) when it has one.
std::vector<PortEntry> ListPortEntries(const std::filesystem::path& byIdDir = "/dev/serial/by-id");

// Device path -> the names in `byIdDir` that link to it.
std::map<std::string, std::string> PersistentNames(const std::filesystem::path& byIdDir);

// Why `port` names no device (UTF-8), or nothing when it does.
std::optional<std::string> UnknownPort(const std::string& port);

// One line that says why `port` did not open, from the port's own `reason`:
// for a denied permission the node's group and how to join it, for a busy port
// who holds it.
std::string ExplainOpenFailure(const std::string& port, const std::string& reason);

}  // namespace dtu::cli
