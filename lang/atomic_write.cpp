#include "lang/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

#include "lang/unique_fd.h"

namespace dtu {

namespace {

constexpr int kTempNameAttempts = 100;
// The kernel follows as many links in one path before it gives up.
constexpr int kMaxLinkHops = 40;
constexpr const char* kNotRegularFile = "not a regular file";

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& reason) {
    throw FileWriteError("Unable to write to " + path.string(), reason);
}

[[noreturn]] void FailWithErrno(const std::filesystem::path& path) {
    Fail(path, std::generic_category().message(errno));
}

// `path` with the symbolic links at its end followed: the file the bytes are
// for. A link to a missing file gives that file, which the write creates.
std::filesystem::path FollowLinks(const std::filesystem::path& path) {
    auto current = path;
    for (int hop = 0;; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            // A missing folder shows up when the folder is opened.
            return current;
        }
        if (hop == kMaxLinkHops) {
            Fail(path, std::generic_category().message(ELOOP));
        }
        std::error_code ec;
        const auto link = std::filesystem::read_symlink(current, ec);
        if (ec) {
            Fail(path, ec.message());
        }
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
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

std::string TempNameFor(const std::string& name, int attempt) {
    static std::atomic<unsigned> counter{0};
    return "." + name + ".tmp-" + std::to_string(::getpid()) + '-' +
           std::to_string(counter.fetch_add(1)) + '-' + std::to_string(attempt);
}

// Creates a temporary file for `target` in `folder`; `name` receives its name.
int CreateTempFile(int folder, const std::string& target, const std::filesystem::path& path,
                   std::string& name) {
    for (int attempt = 0;; ++attempt) {
        name = TempNameFor(target, attempt);
        const int fd =
            ::openat(folder, name.c_str(),
                     O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0666);
        if (fd >= 0) {
            return fd;
        }
        if (errno != EEXIST || attempt + 1 >= kTempNameAttempts) {
            FailWithErrno(path);
        }
    }
}

// The temporary file beside the target; removed again unless it was renamed.
class TempFile {
public:
    TempFile(int folder, const std::string& target, const std::filesystem::path& path)
        : folder_(folder), file_(CreateTempFile(folder, target, path, name_)) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (!renamed_) {
            ::unlinkat(folder_, name_.c_str(), 0);
        }
    }
    UniqueFd& File() { return file_; }
    const std::string& Name() const { return name_; }
    void Renamed() { renamed_ = true; }

private:
    int folder_;
    std::string name_;
    UniqueFd file_;
    bool renamed_ = false;
};

}  // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const auto target = FollowLinks(path);
    const std::string name = target.filename().string();
    if (name.empty() || name == "." || name == "..") {
        Fail(path, kNotRegularFile);
    }
    const auto folderPath = target.has_parent_path() ? target.parent_path() : ".";
    // Every step below names the file relative to this one folder, so the
    // temporary file and the file it replaces stay side by side.
    UniqueFd folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() < 0) {
        FailWithErrno(path);
    }
    struct stat existing {};
    const bool exists = ::fstatat(folder.Get(), name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists && errno != ENOENT) {
        FailWithErrno(path);
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        Fail(path, kNotRegularFile);
    }

    TempFile temp(folder.Get(), name, path);
    const int fd = temp.File().Get();
    if ((exists && ::fchmod(fd, existing.st_mode & 07777) != 0) || !WriteAll(fd, bytes) ||
        ::fsync(fd) != 0 || temp.File().Close() != 0 ||
        ::renameat(folder.Get(), temp.Name().c_str(), folder.Get(), name.c_str()) != 0) {
        FailWithErrno(path);
    }
    temp.Renamed();
    // Some file systems cannot sync a folder (EINVAL); the rename stands all the same.
    if (::fsync(folder.Get()) != 0 && errno != EINVAL) {
        FailWithErrno(path);
    }
}

}  // namespace dtu
