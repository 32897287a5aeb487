#include "cli/port_info.h"

#include <grp.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "serial/port_control.h"
#include "serial/port_lock.h"

namespace dtu::cli {

namespace {

namespace fs = std::filesystem;

// Words of the port's own open errors.
constexpr std::string_view kPermissionWords = "Permission denied";
constexpr std::string_view kBusyWords = "in use by";

std::string GroupName(gid_t gid) {
    if (const group* entry = getgrgid(gid)) {
        return entry->gr_name;
    }
    return std::to_string(gid);
}

std::string PermissionText(const std::string& port) {
    struct stat node {};
    if (stat(DevicePathFor(port).c_str(), &node) != 0) {
        return "permission denied";
    }
    if ((node.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) {
        return "permission denied: only its owner may open it";
    }
    const std::string group = GroupName(node.st_gid);
    return "permission denied: it belongs to the group " + group +
           "; join it (sudo adduser $USER " + group + ") and log in again";
}

// The program holding `port` by its UUCP lock file, e.g. "PID 1234 (minicom)".
std::optional<std::string> LockHolder(const std::string& port) {
    const std::string lockFile = UucpLockPath(DevicePathFor(port));
    std::ifstream lock(lockFile);
    long pid = 0;
    if (lockFile.empty() || !(lock >> pid) || pid <= 0) {
        return std::nullopt;
    }
    std::string program;
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::getline(comm, program);
    return "PID " + std::to_string(pid) + (program.empty() ? "" : " (" + program + ")");
}

}  // namespace

std::map<std::string, std::string> PersistentNames(const fs::path& byIdDir) {
    std::vector<fs::path> links;
    std::error_code error;
    for (fs::directory_iterator link(byIdDir, error), end; !error && link != end;
         link.increment(error)) {
        links.push_back(link->path());
    }
    std::sort(links.begin(), links.end());
    std::map<std::string, std::string> names;
    for (const fs::path& link : links) {
        std::error_code broken;
        const fs::path target = fs::canonical(link, broken);
        if (!broken) {
            std::string& name = names[target.string()];
            name += (name.empty() ? "" : ", ") + link.filename().string();
        }
    }
    return names;
}

std::vector<PortEntry> ListPortEntries(const fs::path& byIdDir) {
    const std::map<std::string, std::string> names = PersistentNames(byIdDir);
    std::vector<PortEntry> entries;
    for (const std::string& path : ListSerialPorts()) {
        std::error_code error;
        const fs::path device = fs::canonical(path, error);
        const auto name = error ? names.end() : names.find(device.string());
        entries.push_back({path, name == names.end() ? std::string() : name->second});
    }
    return entries;
}

std::optional<std::string> UnknownPort(const std::string& port) {
    std::error_code error;
    if (fs::exists(DevicePathFor(port), error)) {
        return std::nullopt;
    }
    return "unknown port " + port + ": no such device (dtuconfig-cli ports lists the ports)";
}

std::string ExplainOpenFailure(const std::string& port, const std::string& reason) {
    if (reason.find(kPermissionWords) != std::string::npos) {
        return port + ": " + PermissionText(port);
    }
    if (reason.find(kBusyWords) != std::string::npos) {
        const std::optional<std::string> holder = LockHolder(port);
        return port + ": busy, held by " + holder.value_or("another program");
    }
    return port + ": cannot be opened: " + reason;
}

}  // namespace dtu::cli
