#include "serial/port_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "serial/comm.h"
#include "serial/open_error.h"

namespace dtu {

namespace {

constexpr std::array<const char*, 2> kLockDirs = {"/run/lock", "/var/lock"};

// PID recorded in a lock file, 0 when the file holds none.
pid_t ReadLockOwner(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    char text[32] = {};
    ssize_t n = read(fd, text, sizeof text - 1);
    close(fd);
    if (n <= 0) {
        return 0;
    }
    const char* first = text;
    const char* last = text + n;
    while (first < last && *first == ' ') {
        ++first;
    }
    pid_t pid = 0;
    std::from_chars(first, last, pid);
    return pid;
}

bool ProcessExists(pid_t pid) {
    return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM);
}

bool WriteLockFile(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    char text[16];
    int length = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(getpid()));
    bool written = write(fd, text, static_cast<std::size_t>(length)) == length;
    close(fd);
    if (!written) {
        unlink(path.c_str());
    }
    return written;
}

std::string ResolvedPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// The lock files of a port: one named after the path as given and, when that
// is a link, one named after the device it leads to, for programs given either.
std::vector<std::string> LockPathsFor(const std::string& devicePath) {
    std::vector<std::string> paths;
    for (const std::string& path : {devicePath, ResolvedPath(devicePath)}) {
        std::string lock = UucpLockPath(path);
        if (!lock.empty() && std::find(paths.begin(), paths.end(), lock) == paths.end()) {
            paths.push_back(std::move(lock));
        }
    }
    return paths;
}

// The lock files named after the links in `linkDirs` that lead to the node
// `devicePath` resolves to, apart from those in `own`.
std::vector<std::string> LinkLockPaths(const std::string& devicePath,
                                       const std::vector<std::string>& linkDirs,
                                       const std::vector<std::string>& own) {
    const std::string node = ResolvedPath(devicePath);
    std::vector<std::string> paths;
    for (const std::string& dir : linkDirs) {
        std::error_code error;
        for (std::filesystem::directory_iterator at(dir, error), end; !error && at != end;
             at.increment(error)) {
            const std::string link = at->path().string();
            if (ResolvedPath(link) != node) {
                continue;
            }
            std::string lock = UucpLockPath(link);
            if (!lock.empty() && std::find(own.begin(), own.end(), lock) == own.end()) {
                paths.push_back(std::move(lock));
            }
        }
    }
    return paths;
}

// The live owner one of `lockFiles` names, 0 when none.
pid_t LiveOwner(const std::vector<std::string>& lockFiles) {
    for (const std::string& lockFile : lockFiles) {
        if (pid_t owner = ReadLockOwner(lockFile); ProcessExists(owner)) {
            return owner;
        }
    }
    return 0;
}

// Who holds the port: the live owner one of its lock files names, else the
// holder of its flock.
int HolderOf(const std::string& devicePath, const std::vector<std::string>& lockFiles) {
    const pid_t owner = LiveOwner(lockFiles);
    return owner != 0 ? owner : FlockHolderOf(devicePath);
}

// Takes the lock file `path`, replacing one whose owner is dead. Returns 0 when
// taken, -1 when the folder takes no lock file (the flock still guards the
// port), else the live owner's PID (or INT_MAX when it could not be replaced).
int TakeLockFile(const std::string& path) {
    if (WriteLockFile(path)) {
        return 0;
    }
    if (errno != EEXIST) {
        return -1;
    }
    if (pid_t owner = ReadLockOwner(path); ProcessExists(owner)) {
        return owner;
    }
    return unlink(path.c_str()) == 0 && WriteLockFile(path) ? 0 : INT_MAX;
}

void RemoveLockFiles(std::vector<std::string>& lockFiles) {
    for (const std::string& lockFile : lockFiles) {
        unlink(lockFile.c_str());
    }
    lockFiles.clear();
}

}  // namespace

std::string DevicePathFor(const std::string& commName) {
    if (commName.starts_with('/')) {
        return commName;
    }
    return "/dev/" + commName;
}

std::string UucpLockPath(const std::string& devicePath) {
    std::string base = devicePath.substr(devicePath.find_last_of('/') + 1);
    for (const char* dir : kLockDirs) {
        if (access(dir, W_OK) == 0) {
            return std::string(dir) + "/LCK.." + base;
        }
    }
    return {};
}

void ExclusivePort::Open(const std::string& devicePath) {
    Close();
    const std::vector<std::string> lockFiles = LockPathsFor(devicePath);
    int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        OpenError failure = ClassifyOpenErrno(devicePath, error, InspectNode(devicePath));
        if (failure.kind == OpenFailure::Busy) {
            failure = BusyError(devicePath, HolderOf(devicePath, lockFiles));
        }
        throw ECommsError(std::move(failure));
    }
    auto refuse = [fd](OpenError failure) {
        close(fd);
        throw ECommsError(std::move(failure));
    };
    if (!isatty(fd)) {
        refuse(ClassifyOpenErrno(devicePath, ENOTTY, {}));
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        refuse(error == EWOULDBLOCK ? BusyError(devicePath, HolderOf(devicePath, lockFiles))
                                    : ClassifyOpenErrno(devicePath, error, {}));
    }

    if (const pid_t owner = LiveOwner(LinkLockPaths(devicePath, linkDirs_, lockFiles))) {
        refuse(BusyError(devicePath, owner));
    }
    std::vector<std::string> held;
    for (const std::string& lockFile : lockFiles) {
        const int owner = TakeLockFile(lockFile);
        if (owner == 0) {
            held.push_back(lockFile);
        } else if (owner > 0) {
            RemoveLockFiles(held);
            refuse(BusyError(devicePath, owner == INT_MAX ? 0 : owner));
        }
    }
    ioctl(fd, TIOCEXCL);
    fd_ = fd;
    lockFiles_ = std::move(held);
}

void ExclusivePort::Close() {
    if (fd_ < 0) {
        return;
    }
    // The exclusive flag belongs to the tty, which outlives this descriptor.
    ioctl(fd_, TIOCNXCL);
    RemoveLockFiles(lockFiles_);
    close(fd_);
    fd_ = -1;
}

}  // namespace dtu
