#include "lang/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "lang/unique_fd.h"

namespace dtu {

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

}  // namespace

bool ReadRegularFile(const std::filesystem::path& path, std::string& out) {
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    out.reserve(out.size() + static_cast<std::size_t>(info.st_size));
    char buffer[kReadChunk];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got == 0) {
            return true;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        out.append(buffer, static_cast<std::size_t>(got));
    }
}

}  // namespace dtu
