#include "shell/run_once.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace dtu {

namespace {
constexpr std::size_t kMarkerSize = sizeof(std::int32_t);
}

RunOnceMarker::RunOnceMarker() {
    fd_ = shm_open(kName, O_RDWR | O_CLOEXEC, 0);
    if (fd_ < 0) {
        // O_EXCL: of two copies starting together only one creates and zeroes it.
        fd_ = shm_open(kName, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        created_ = fd_ >= 0;
        if (!created_) {
            fd_ = shm_open(kName, O_RDWR | O_CLOEXEC, 0);
        }
        if (created_ && ftruncate(fd_, kMarkerSize) != 0) {
            close(fd_);
            fd_ = -1;
            created_ = false;
        }
    }
    if (fd_ < 0) {
        return;
    }
    void* view = mmap(nullptr, kMarkerSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
    if (view == MAP_FAILED) {
        close(fd_);
        fd_ = -1;
        return;
    }
    view_ = view;
    // Every holder keeps a shared lock, so the last one out can tell it is last.
    flock(fd_, LOCK_SH);
    if (created_) {
        *static_cast<std::int32_t*>(view_) = 0;
    }
}

// Like a named kernel object, the marker disappears with its last holder:
// it is unlinked only when no other copy holds its shared lock.
RunOnceMarker::~RunOnceMarker() {
    if (view_ != nullptr) {
        munmap(view_, kMarkerSize);
        if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            shm_unlink(kName);
        }
    }
    if (fd_ >= 0) {
        close(fd_);
    }
}

}  // namespace dtu
