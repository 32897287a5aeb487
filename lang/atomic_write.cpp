#include "lang/atomic_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <optional>
#include <system_error>

#include "lang/unique_fd.h"

namespace dtu {

namespace {

constexpr int kTempNameAttempts = 100;
// The kernel follows as many links in one path before it gives up.
constexpr int kMaxLinkHops = 40;
constexpr const char* kNotRegularFile = "not a regular file";
constexpr const char* kLinkRefused = "a symbolic link, which this file is not written through";
constexpr const char* kForeignLink = "a symbolic link of another user in a shared folder";
constexpr std::string_view kTempMark = ".tmp-";
constexpr mode_t kOwnerOnlyMode = 0600;

// Unwinds a write from wherever it stands, its temporary file removed on the way.
struct WriteFailed {
    FileWriteError error;
};

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& reason) {
    throw WriteFailed{{path.string(), reason}};
}

[[noreturn]] void FailWithErrno(const std::filesystem::path& path) {
    Fail(path, std::generic_category().message(errno));
}

bool MayFollowLink(const std::filesystem::path& link, const struct stat& linkInfo) {
    struct stat folder {};
    const auto folderPath = link.has_parent_path() ? link.parent_path() : ".";
    return ::stat(folderPath.c_str(), &folder) == 0 &&
           LinkMayBeFollowed({folder.st_mode, folder.st_uid, linkInfo.st_uid, ::geteuid()});
}

// `path` with the symbolic links at its end followed as `links` allows: the
// file the bytes are for. A link to a missing file gives that file, which the
// write creates.
std::filesystem::path FollowLinks(const std::filesystem::path& path, LinkPolicy links) {
    auto current = path;
    for (int hop = 0;; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            // A missing folder shows up when the folder is opened.
            return current;
        }
        if (links == LinkPolicy::Refuse) {
            Fail(path, kLinkRefused);
        }
        if (!MayFollowLink(current, info)) {
            Fail(path, kForeignLink);
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

// "." + name + ".tmp-": what every temporary file of `name` starts with, the
// writer's PID following.
std::string TempPrefixFor(const std::string& name) {
    return "." + name + std::string(kTempMark);
}

std::string TempNameFor(const std::string& name, int attempt) {
    static std::atomic<unsigned> counter{0};
    return TempPrefixFor(name) + std::to_string(::getpid()) + '-' +
           std::to_string(counter.fetch_add(1)) + '-' + std::to_string(attempt);
}

// The PID a temporary file's name records after `prefix`; 0 when it has none.
pid_t WriterOf(std::string_view entry, std::string_view prefix) {
    if (!entry.starts_with(prefix)) {
        return 0;
    }
    entry.remove_prefix(prefix.size());
    pid_t pid = 0;
    const char* last = entry.data() + entry.size();
    const auto [end, error] = std::from_chars(entry.data(), last, pid);
    return error == std::errc() && end != entry.data() && end != last && *end == '-' ? pid : 0;
}

// Holds the folder's flock while a checked replacement looks and renames, so
// that writers of this program take turns there. A holder that keeps it longer
// than any replacement takes (someone else's lock on a shared folder) is not
// waited for.
class FolderTurn {
public:
    explicit FolderTurn(int folder) : folder_(folder) {
        for (int waited = 0; waited < kTurnWaitMs; ++waited) {
            if (::flock(folder_, LOCK_EX | LOCK_NB) == 0) {
                held_ = true;
                return;
            }
            ::usleep(1000);
        }
    }
    FolderTurn(const FolderTurn&) = delete;
    FolderTurn& operator=(const FolderTurn&) = delete;
    ~FolderTurn() {
        if (held_) {
            ::flock(folder_, LOCK_UN);
        }
    }

private:
    static constexpr int kTurnWaitMs = 2000;
    int folder_;
    bool held_ = false;
};

bool ProcessIsGone(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Creates a temporary file for `target` in `folder` with `mode` (less the
// umask); `name` receives its name.
int CreateTempFile(int folder, const std::string& target, const std::filesystem::path& path,
                   mode_t mode, std::string& name) {
    for (int attempt = 0;; ++attempt) {
        name = TempNameFor(target, attempt);
        const int fd =
            ::openat(folder, name.c_str(),
                     O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, mode);
        if (fd >= 0) {
            return fd;
        }
        if (errno != EEXIST || attempt + 1 >= kTempNameAttempts) {
            FailWithErrno(path);
        }
    }
}

// The permissions the written file is given; nothing for a new file's own, as
// the umask allows.
std::optional<mode_t> ModeToSet(FileAccess access, const struct stat* existing) {
    if (access == FileAccess::OwnerOnly) {
        // Set, not only asked for at creation: the umask may take the owner's bits.
        return kOwnerOnlyMode;
    }
    if (existing != nullptr) {
        return existing->st_mode & 07777;
    }
    return std::nullopt;
}

// The temporary file beside the target; removed again unless it was renamed.
class TempFile {
public:
    TempFile(int folder, const std::string& target, const std::filesystem::path& path, mode_t mode)
        : folder_(folder), file_(CreateTempFile(folder, target, path, mode, name_)) {}
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

bool LinkMayBeFollowed(const LinkOwners& owners) {
    const bool shared = (owners.folderMode & S_ISVTX) != 0 && (owners.folderMode & S_IWOTH) != 0;
    return !shared || owners.linkUid == owners.userUid || owners.linkUid == owners.folderUid;
}

namespace {

// Throws WriteFailed; false when `beforeReplace` abandoned the write.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes, LinkPolicy links,
                 const BeforeReplace& beforeReplace, FileAccess access) {
    const auto target = FollowLinks(path, links);
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
    if (exists && S_ISLNK(existing.st_mode)) {
        // Put there after the links were followed.
        Fail(path, links == LinkPolicy::Refuse ? kLinkRefused : kForeignLink);
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        Fail(path, kNotRegularFile);
    }

    TempFile temp(folder.Get(), name, path,
                  access == FileAccess::OwnerOnly ? kOwnerOnlyMode : 0666);
    const int fd = temp.File().Get();
    const std::optional<mode_t> mode = ModeToSet(access, exists ? &existing : nullptr);
    if ((mode && ::fchmod(fd, *mode) != 0) || !WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        FailWithErrno(path);
    }
    std::optional<FolderTurn> turn;
    if (beforeReplace) {
        turn.emplace(folder.Get());
        if (!beforeReplace(fd)) {
            return false;
        }
    }
    if (temp.File().Close() != 0 ||
        ::renameat(folder.Get(), temp.Name().c_str(), folder.Get(), name.c_str()) != 0) {
        FailWithErrno(path);
    }
    temp.Renamed();
    // Some file systems cannot sync a folder (EINVAL); the rename stands all the same.
    if (::fsync(folder.Get()) != 0 && errno != EINVAL) {
        FailWithErrno(path);
    }
    return true;
}

}  // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                LinkPolicy links, const BeforeReplace& beforeReplace,
                                FileAccess access) {
    try {
        return {ReplaceFile(path, bytes, links, beforeReplace, access), std::nullopt};
    } catch (const WriteFailed& failed) {
        return {false, failed.error};
    }
}

void RemoveDeadWritersTempFiles(const std::filesystem::path& path) {
    const std::string prefix = TempPrefixFor(path.filename().string());
    const auto folderPath = path.has_parent_path() ? path.parent_path() : ".";
    DIR* folder = ::opendir(folderPath.c_str());
    if (folder == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(folder)) {
        const pid_t writer = WriterOf(entry->d_name, prefix);
        if (writer > 0 && writer != ::getpid() && ProcessIsGone(writer)) {
            ::unlinkat(::dirfd(folder), entry->d_name, 0);
        }
    }
    ::closedir(folder);
}

}  // namespace dtu
