#include "lang/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "lang/unique_fd.h"

namespace dtu {

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

}  // namespace

bool ReadRegularFileChunks(const std::filesystem::path& path,
                           const std::function<bool(std::string_view)>& consume) {
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
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
        if (!consume(std::string_view(buffer, static_cast<std::size_t>(got)))) {
            return true;
        }
    }
}

bool ReadRegularFile(const std::filesystem::path& path, std::string& out) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) {
        out.reserve(out.size() + static_cast<std::size_t>(size));
    }
    return ReadRegularFileChunks(path, [&out](std::string_view bytes) {
        out.append(bytes);
        return true;
    });
}

ReadOutcome ReadRegularFileUpTo(const std::filesystem::path& path, std::size_t limit,
                                std::string& out) {
    bool tooLong = false;
    std::size_t room = limit;
    const bool read = ReadRegularFileChunks(path, [&](std::string_view bytes) {
        tooLong = bytes.size() > room;
        bytes = bytes.substr(0, room);
        out.append(bytes);
        room -= bytes.size();
        return !tooLong;
    });
    return !read ? ReadOutcome::Failed : tooLong ? ReadOutcome::TooLong : ReadOutcome::Whole;
}

}  // namespace dtu
