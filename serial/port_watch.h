#pragma once

#include <string>

namespace dtu {

// Tells when serial ports may have come or gone: inotify on the device folder,
// its serial/ folder and serial/by-id/. Needs no daemon, so it works wherever
// the nodes appear (udev or not). The owner polls Fd() and calls TakeEvents().
class PortWatch {
public:
    explicit PortWatch(std::string devDir = "/dev");
    ~PortWatch();
    PortWatch(const PortWatch&) = delete;
    PortWatch& operator=(const PortWatch&) = delete;

    // False when inotify is not available; the list is then only re-read on demand.
    bool Start();
    void Stop();

    // Readable while events wait; -1 when stopped.
    int Fd() const { return fd_; }

    // Reads every waiting event; true when one of them may change the port list.
    bool TakeEvents();

private:
    void WatchSerialFolders();

    std::string devDir_;
    int fd_ = -1;
    int devWatch_ = -1;
    int serialWatch_ = -1;
    int byIdWatch_ = -1;
};

}  // namespace dtu
