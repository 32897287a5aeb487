#include "lang/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

namespace dtu {

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;
constexpr int kTempNameAttempts = 100;

// Closes the descriptor when the scope ends, unless it was closed already.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Get() const { return fd_; }
    // Closes now, so that a failing close can be reported.
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

[[noreturn]] void ThrowErrno(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A symbolic link is followed, so that the link itself survives the rename.
std::filesystem::path ResolveTarget(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        auto target = std::filesystem::canonical(path, ec);
        if (!ec) {
            return target;
        }
    }
    return path;
}

std::filesystem::path TempNameFor(const std::filesystem::path& target, int attempt) {
    static std::atomic<unsigned> counter{0};
    std::string name = ".";
    name += target.filename().string();
    name += ".tmp-";
    name += std::to_string(::getpid());
    name += '-';
    name += std::to_string(counter.fetch_add(1));
    name += '-';
    name += std::to_string(attempt);
    return target.parent_path() / name;
}

}  // namespace

bool ReadRegularFile(const std::filesystem::path& path, std::string& out) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
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

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const auto target = ResolveTarget(path);

    struct stat existing {};
    const bool keepMode = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);

    std::filesystem::path temp;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temp = TempNameFor(target, attempt);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && (errno != EEXIST || attempt + 1 >= kTempNameAttempts)) {
            ThrowErrno("Cannot create " + temp.string());
        }
    }

    FileDescriptor file(fd);
    const auto fail = [&](const std::string& what) {
        const int error = errno;
        if (file.Get() >= 0) {
            file.Close();
        }
        ::unlink(temp.c_str());
        errno = error;
        ThrowErrno(what);
    };
    if (keepMode && ::fchmod(file.Get(), existing.st_mode & 07777) != 0) {
        fail("Cannot set the permissions of " + temp.string());
    }
    if (!WriteAll(file.Get(), bytes)) {
        fail("Cannot write " + temp.string());
    }
    if (::fsync(file.Get()) != 0) {
        fail("Cannot sync " + temp.string());
    }
    if (file.Close() != 0) {
        fail("Cannot close " + temp.string());
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        fail("Cannot replace " + target.string());
    }
}

}  // namespace dtu
