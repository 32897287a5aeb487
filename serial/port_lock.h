#pragma once

#include <string>
#include <vector>

namespace dtu {

// "/dev/" + name for a name such as "ttyUSB0"; an absolute path stays as it is.
std::string DevicePathFor(const std::string& commName);

// Where the UUCP lock file of `devicePath` lives ("LCK.." + its base name in
// /run/lock or /var/lock), or empty when neither directory is writable.
std::string UucpLockPath(const std::string& devicePath);

// A serial device opened for this program alone: the open itself, an flock,
// UUCP lock files (named after the path as given and after the device a link
// leads to; a live lock under either name refuses the open) and TIOCEXCL, all
// released by Close().
class ExclusivePort {
public:
    ExclusivePort() = default;
    ~ExclusivePort() { Close(); }
    ExclusivePort(const ExclusivePort&) = delete;
    ExclusivePort& operator=(const ExclusivePort&) = delete;

    // Throws ECommsError "Error opening serial port" (why in its Failure()) or
    // "File handle is not a comm handle ".
    void Open(const std::string& devicePath);
    void Close();

    int Fd() const { return fd_; }

private:
    int fd_ = -1;
    std::vector<std::string> lockFiles_;
};

}  // namespace dtu
