#include "serial/open_error.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace dtu {

namespace {

constexpr unsigned kGroupReadWrite = S_IRGRP | S_IWGRP;
constexpr unsigned kOthersReadWrite = S_IROTH | S_IWOTH;
constexpr unsigned kRootGroup = 0;
constexpr unsigned kRoot = 0;

std::string GroupName(unsigned gid) {
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(4096);
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
        return found->gr_name;
    }
    return std::to_string(gid);
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t pos = 0;
    while (pos < line.size()) {
        std::size_t start = line.find_first_not_of(' ', pos);
        if (start == std::string_view::npos) {
            break;
        }
        std::size_t end = std::min(line.find(' ', start), line.size());
        fields.push_back(line.substr(start, end - start));
        pos = end;
    }
    return fields;
}

template <typename T>
bool ParseNumber(std::string_view text, T& value, int base) {
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(text.data(), last, value, base);
    return error == std::errc() && end == last;
}

// "MAJ:MIN:INODE" as /proc/locks writes it: hex, hex, decimal.
bool SameFile(std::string_view field, unsigned devMajor, unsigned devMinor, unsigned long inode) {
    std::size_t first = field.find(':');
    std::size_t second = field.find(':', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) {
        return false;
    }
    unsigned major = 0;
    unsigned minor = 0;
    unsigned long node = 0;
    return ParseNumber(field.substr(0, first), major, 16) &&
           ParseNumber(field.substr(first + 1, second - first - 1), minor, 16) &&
           ParseNumber(field.substr(second + 1), node, 10) && major == devMajor &&
           minor == devMinor && node == inode;
}

std::string ProgramName(int pid, const std::string& procDir) {
    std::ifstream comm(procDir + "/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

}  // namespace

NodeFacts InspectNode(const std::string& path) {
    NodeFacts facts;
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return facts;
    }
    facts.exists = true;
    facts.uid = info.st_uid;
    facts.gid = info.st_gid;
    facts.mode = info.st_mode & 07777;
    facts.groupName = GroupName(info.st_gid);
    return facts;
}

OpenError ClassifyOpenErrno(const std::string& path, int error, const NodeFacts& node) {
    OpenError result;
    result.path = path;
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
        case ENOTDIR:
            result.kind = OpenFailure::Missing;
            return result;
        case EBUSY:
            result.kind = OpenFailure::Busy;
            return result;
        case EMFILE:
        case ENFILE:
            // Many ports at once run into the descriptor limit before anything else.
            return FailureOf(OpenFailure::TooManyFiles, path);
        case EACCES:
        case EPERM:
            // A node we cannot even look at, one open to everybody or one kept
            // to a user other than root is refused for a reason no group fixes.
            if (node.exists && (node.mode & kOthersReadWrite) != kOthersReadWrite) {
                const bool groupMayOpen =
                    node.gid != kRootGroup && (node.mode & kGroupReadWrite) == kGroupReadWrite;
                if (groupMayOpen || node.uid == kRoot) {
                    result.kind = OpenFailure::Permission;
                    result.group = groupMayOpen ? node.groupName : std::string();
                    result.rootOnly = !groupMayOpen;
                    return result;
                }
            }
            break;
        default:
            break;
    }
    return OtherOpenError(path, std::strerror(error));
}

OpenError BusyError(const std::string& path, int pid, const std::string& procDir) {
    OpenError result;
    result.kind = OpenFailure::Busy;
    result.path = path;
    if (pid > 0) {
        result.holderPid = pid;
        result.holderProgram = ProgramName(pid, procDir);
    }
    return result;
}

int FlockHolder(std::string_view procLocks, unsigned devMajor, unsigned devMinor,
                unsigned long inode) {
    // "1: FLOCK  ADVISORY  WRITE 1234 00:05:317 0 EOF"; waiters carry "->" after the number.
    constexpr std::size_t kType = 1, kPid = 4, kFile = 5;
    std::size_t pos = 0;
    while (pos < procLocks.size()) {
        std::size_t end = std::min(procLocks.find('\n', pos), procLocks.size());
        std::vector<std::string_view> fields = Fields(procLocks.substr(pos, end - pos));
        pos = end + 1;
        int pid = 0;
        if (fields.size() > kFile && (fields[kType] == "FLOCK" || fields[kType] == "POSIX") &&
            ParseNumber(fields[kPid], pid, 10) && pid > 0 &&
            SameFile(fields[kFile], devMajor, devMinor, inode)) {
            return pid;
        }
    }
    return 0;
}

int FlockHolderOf(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        return 0;
    }
    std::ifstream locks("/proc/locks");
    std::stringstream text;
    text << locks.rdbuf();
    return FlockHolder(text.str(), major(info.st_dev), minor(info.st_dev), info.st_ino);
}

}  // namespace dtu
