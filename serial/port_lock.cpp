#include "serial/port_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "serial/comm.h"

namespace dtu {

namespace {

constexpr const char* kOpenError = "Error opening serial port";
constexpr const char* kNotAComm = "File handle is not a comm handle ";
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

// Who holds the port: the owner its lock file names, else the holder of its flock.
int HolderOf(const std::string& devicePath, const std::string& lockFile) {
    if (pid_t owner = lockFile.empty() ? 0 : ReadLockOwner(lockFile); ProcessExists(owner)) {
        return owner;
    }
    return FlockHolderOf(devicePath);
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
    // The lock file is named after the device itself, whatever link led to it.
    const std::string lockFile = UucpLockPath(ResolvedPath(devicePath));
    int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        OpenError failure = ClassifyOpenErrno(devicePath, error, InspectNode(devicePath));
        if (failure.kind == OpenFailure::Busy) {
            failure = BusyError(devicePath, HolderOf(devicePath, lockFile));
        }
        throw ECommsError(kOpenError, std::move(failure));
    }
    auto refuse = [fd](const char* message, OpenError failure) {
        close(fd);
        throw ECommsError(message, std::move(failure));
    };
    if (!isatty(fd)) {
        refuse(kNotAComm, ClassifyOpenErrno(devicePath, ENOTTY, {}));
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        refuse(kOpenError, error == EWOULDBLOCK
                               ? BusyError(devicePath, HolderOf(devicePath, lockFile))
                               : ClassifyOpenErrno(devicePath, error, {}));
    }

    std::string heldLock = lockFile;
    if (!heldLock.empty() && !WriteLockFile(heldLock)) {
        if (errno != EEXIST) {
            heldLock.clear();  // no lock file then; the flock still guards the port
        } else if (pid_t owner = ReadLockOwner(heldLock); ProcessExists(owner)) {
            refuse(kOpenError, BusyError(devicePath, owner));
        } else if (unlink(heldLock.c_str()) != 0 || !WriteLockFile(heldLock)) {
            refuse(kOpenError, BusyError(devicePath, 0));
        }
    }
    ioctl(fd, TIOCEXCL);
    fd_ = fd;
    lockFile_ = std::move(heldLock);
}

void ExclusivePort::Close() {
    if (fd_ < 0) {
        return;
    }
    // The exclusive flag belongs to the tty, which outlives this descriptor.
    ioctl(fd_, TIOCNXCL);
    if (!lockFile_.empty()) {
        unlink(lockFile_.c_str());
        lockFile_.clear();
    }
    close(fd_);
    fd_ = -1;
}

}  // namespace dtu
