#pragma once

#include <string>
#include <vector>

namespace dtu {

// "/dev/" + name for a name such as "ttyUSB0"; an absolute path stays as it is.
std::string DevicePathFor(const std::string& commName);

// Where the UUCP lock file of `devicePath` lives ("LCK.." + its base name in
// /run/lock or /var/lock), or empty when neither directory is writable.
std::string UucpLockPath(const std::string& devicePath);

// Where the stable names of serial devices live as links to their nodes.
inline const std::vector<std::string> kSerialLinkDirs = {"/dev/serial/by-id",
                                                         "/dev/serial/by-path"};

// A serial device opened for this program alone: the open itself, an flock,
// UUCP lock files (named after the path as given and after the device a link
// leads to; a live lock under either name refuses the open) and TIOCEXCL, all
// released by Close(). A live lock named after any link in `linkDirs` that
// leads to the same node refuses the open too: other programs lock the name
// they were given.
class ExclusivePort {
public:
    explicit ExclusivePort(std::vector<std::string> linkDirs = kSerialLinkDirs)
        : linkDirs_(std::move(linkDirs)) {}
    ~ExclusivePort() { Close(); }
    ExclusivePort(const ExclusivePort&) = delete;
    ExclusivePort& operator=(const ExclusivePort&) = delete;

    // Throws ECommsError with why the device cannot be had.
    void Open(const std::string& devicePath);
    void Close();

    int Fd() const { return fd_; }

private:
    std::vector<std::string> linkDirs_;
    int fd_ = -1;
    std::vector<std::string> lockFiles_;
};

}  // namespace dtu
