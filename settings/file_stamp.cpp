#include "settings/file_stamp.h"

#include <sys/stat.h>

namespace dtu {

namespace {

FileStamp StampOf(const struct stat& info) {
    return {true,
            static_cast<unsigned long long>(info.st_dev),
            static_cast<unsigned long long>(info.st_ino),
            static_cast<long long>(info.st_size),
            static_cast<long long>(info.st_mtim.tv_sec),
            static_cast<long long>(info.st_mtim.tv_nsec)};
}

}  // namespace

FileStamp FileStamp::Of(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? StampOf(info) : FileStamp{};
}

FileStamp FileStamp::OfOpenFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? StampOf(info) : FileStamp{};
}

}  // namespace dtu
