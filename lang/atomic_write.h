#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dtu {

// A file that could not be written. what() is "Unable to write to <path>";
// Reason() says why in a few words ("No space left on device", "not a regular
// file").
class FileWriteError : public std::runtime_error {
public:
    FileWriteError(const std::string& what, std::string reason)
        : std::runtime_error(what), reason_(std::move(reason)) {}
    const std::string& Reason() const { return reason_; }

private:
    std::string reason_;
};

// Replaces `path` with `bytes` so that the file is either the old one or the
// new one, whole: the bytes go to a temporary file in the file's own folder,
// are synced, the temporary file is renamed over the file and the folder is
// synced. Symbolic links are followed, through a chain of them, and the final
// target is written when it is a regular file or does not exist yet; a link to
// anything else (a device, a FIFO, a folder), like any such file itself, is
// refused. An existing file's permissions are kept. Throws FileWriteError,
// leaving no temporary file behind.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace dtu
