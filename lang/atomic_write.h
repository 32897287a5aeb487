#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace dtu {

// A file that could not be written, and why in a few words ("No space left on
// device", "not a regular file").
struct FileWriteError {
    std::string path;
    std::string reason;

    // "Unable to write to <path>"
    std::string What() const { return "Unable to write to " + path; }
};

// How a write ended: the file replaced, the write abandoned before the
// replacement, or `error`.
struct WriteResult {
    bool written = false;
    std::optional<FileWriteError> error;
};

// How a write treats a symbolic link at the path it is given.
enum class LinkPolicy {
    // Followed through a chain of links, the final target written when it is a
    // regular file or does not exist yet. As the kernel's protected-symlinks
    // rule has it, a link in a sticky world-writable folder (/tmp) is followed
    // only when this user or the folder's owner owns it: another user's link
    // there is refused.
    FollowTrusted,
    // Refused: the path must name a regular file or nothing yet.
    Refuse,
};

// Who may read and write the file a write leaves.
enum class FileAccess {
    Kept,       // an existing file's permissions; a new file's as the umask allows
    OwnerOnly,  // 0600, for a new file and a replaced one alike: it holds a secret
};

// A link and the folder it lies in, for the protected-symlinks rule.
struct LinkOwners {
    unsigned folderMode;
    unsigned folderUid;
    unsigned linkUid;
    unsigned userUid;  // the effective user of this program
};

// The kernel's protected-symlinks rule: in a sticky folder that everybody may
// write to, only links of this user or of the folder's owner are followed.
bool LinkMayBeFollowed(const LinkOwners& owners);

// Called with the written and synced temporary file just before it replaces
// the target; returning false abandons the write. From the call to the rename
// the write holds the folder's flock, so that two writers that check what is
// on disk this way cannot both pass their checks before either renames.
using BeforeReplace = std::function<bool(int fd)>;

// Replaces `path` with `bytes` so that the file is either the old one or the
// new one, whole: the bytes go to a temporary file in the file's own folder,
// are synced, the temporary file is renamed over the file and the folder is
// synced. Links are treated as `links` says; a link to anything but a regular
// file (a device, a FIFO, a folder), like any such file itself, is refused.
// The file's permissions are as `access` says; an owner-only file is never
// readable by others, not even while it is written. However it ends, no
// temporary file is left behind.
[[nodiscard]] WriteResult WriteFileAtomically(const std::filesystem::path& path,
                                              std::string_view bytes,
                                              LinkPolicy links = LinkPolicy::FollowTrusted,
                                              const BeforeReplace& beforeReplace = {},
                                              FileAccess access = FileAccess::Kept);

// Removes the temporary files that earlier writes of `path` by processes no
// longer running left behind (killed part-way); a live writer's are kept.
void RemoveDeadWritersTempFiles(const std::filesystem::path& path);

}  // namespace dtu
