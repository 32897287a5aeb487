#pragma once

#include <filesystem>

namespace dtu {

// What identifies one version of a file on disk: a changed stamp means the
// file was replaced or edited since it was last read.
struct FileStamp {
    bool exists = false;
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long mtimeSeconds = 0;
    long long mtimeNanoseconds = 0;

    static FileStamp Of(const std::filesystem::path& path);
    static FileStamp OfOpenFile(int fd);
    bool operator==(const FileStamp&) const = default;
};

}  // namespace dtu
