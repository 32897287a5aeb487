#include "serial/port_watch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string_view>

namespace dtu {

namespace {

constexpr std::uint32_t kEntryChanges =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ONLYDIR;

// Serial nodes are named tty*; the serial/ folder holds the by-id links.
bool MayBePort(std::string_view name) {
    return name.starts_with("tty") || name == "serial" || name == "by-id";
}

}  // namespace

PortWatch::PortWatch(std::string devDir) : devDir_(std::move(devDir)) {}

PortWatch::~PortWatch() {
    Stop();
}

bool PortWatch::Start() {
    if (fd_ >= 0) {
        return true;
    }
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) {
        return false;
    }
    devWatch_ = inotify_add_watch(fd_, devDir_.c_str(), kEntryChanges);
    if (devWatch_ < 0) {
        Stop();
        return false;
    }
    WatchSerialFolders();
    return true;
}

void PortWatch::Stop() {
    if (fd_ >= 0) {
        close(fd_);
    }
    fd_ = devWatch_ = serialWatch_ = byIdWatch_ = -1;
}

void PortWatch::WatchSerialFolders() {
    // Either folder may come later, with the first adapter; adding a watch again is harmless.
    serialWatch_ = inotify_add_watch(fd_, (devDir_ + "/serial").c_str(), kEntryChanges);
    byIdWatch_ = inotify_add_watch(fd_, (devDir_ + "/serial/by-id").c_str(), kEntryChanges);
}

bool PortWatch::TakeEvents() {
    if (fd_ < 0) {
        return false;
    }
    bool relevant = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        ssize_t length = read(fd_, buffer, sizeof buffer);
        if (length < 0 && errno == EINTR) {
            continue;
        }
        if (length <= 0) {
            break;
        }
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const std::string_view name(event->len > 0 ? event->name : "");
            const bool inDevDir = event->wd == devWatch_;
            if ((event->mask & (IN_Q_OVERFLOW | IN_IGNORED)) != 0 || !inDevDir || MayBePort(name)) {
                relevant = true;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (relevant) {
        WatchSerialFolders();
    }
    return relevant;
}

}  // namespace dtu
