#include "lang/atomic_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "tests/lang/test_support.h"

namespace dtu {
namespace {

using testing::CountEntries;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

namespace fs = std::filesystem;

void Link(const fs::path& target, const fs::path& link) {
    fs::create_symlink(target, link);
}

// Links whose final target is a regular file, or no file yet, are written
// through: the target gets the bytes and every link stays a link.
TEST(AtomicWrite, LinksToRegularOrMissingFilesAreFollowed) {
    struct Case {
        const char* name;
        std::function<void(const TempDir&)> setUp;
        const char* written;  // the file that must hold the bytes afterwards
        std::size_t created;  // files the write adds
    };
    const Case cases[] = {
        {"plain_file", [](const TempDir& d) { WriteBytes(d / "a/Lx1Cfg.ini", "old"); },
         "a/Lx1Cfg.ini", 0},
        {"new_file", [](const TempDir&) {}, "a/Lx1Cfg.ini", 1},
        {"link_to_file_elsewhere",
         [](const TempDir& d) {
             WriteBytes(d / "b/real.ini", "old");
             Link("../b/real.ini", d / "a/Lx1Cfg.ini");
         },
         "b/real.ini", 0},
        {"link_to_missing_file",
         [](const TempDir& d) { Link(d / "b/new.ini", d / "a/Lx1Cfg.ini"); }, "b/new.ini", 1},
        {"chain_of_links",
         [](const TempDir& d) {
             WriteBytes(d / "b/real.ini", "old");
             Link("real.ini", d / "b/middle.ini");
             Link(d / "b/middle.ini", d / "a/Lx1Cfg.ini");
         },
         "b/real.ini", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        fs::create_directory(dir / "a");
        fs::create_directory(dir / "b");
        c.setUp(dir);
        const auto entries = CountEntries(dir / "a") + CountEntries(dir / "b");

        WriteFileAtomically(dir / "a/Lx1Cfg.ini", "new bytes");

        EXPECT_EQ(ReadBytes(dir / c.written), "new bytes");
        EXPECT_EQ(ReadBytes(dir / "a/Lx1Cfg.ini"), "new bytes");
        EXPECT_EQ(CountEntries(dir / "a") + CountEntries(dir / "b"), entries + c.created)
            << "links kept, no temporary file left behind";
        EXPECT_EQ(fs::is_symlink(dir / "a/Lx1Cfg.ini"), std::string(c.written) != "a/Lx1Cfg.ini");
    }
}

// Anything but a regular file at the end of the links is refused and left as it was.
TEST(AtomicWrite, OtherTargetsAreRefusedAndLeftAlone) {
    struct Case {
        const char* name;
        std::function<bool(const TempDir&)> setUp;  // false: not possible here
        const char* reason;
    };
    const Case cases[] = {
        {"device_node",
         [](const TempDir& d) {
             Link(d / "b/node", d / "a/Lx1Cfg.ini");
             return ::mknod((d / "b/node").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
         },
         "not a regular file"},
        {"fifo",
         [](const TempDir& d) {
             Link("../b/node", d / "a/Lx1Cfg.ini");
             return ::mkfifo((d / "b/node").c_str(), 0600) == 0;
         },
         "not a regular file"},
        {"folder",
         [](const TempDir& d) {
             Link(d / "b", d / "a/Lx1Cfg.ini");
             return true;
         },
         "not a regular file"},
        {"fifo_itself",
         [](const TempDir& d) { return ::mkfifo((d / "a/Lx1Cfg.ini").c_str(), 0600) == 0; },
         "not a regular file"},
        {"link_loop",
         [](const TempDir& d) {
             Link("Lx1Cfg.ini", d / "a/Lx1Cfg.ini");
             return true;
         },
         "Too many levels of symbolic links"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        fs::create_directory(dir / "a");
        fs::create_directory(dir / "b");
        if (!c.setUp(dir)) {
            ASSERT_EQ(errno, EPERM) << std::strerror(errno);
            continue;  // no right to make device nodes here
        }
        struct stat before {};
        ::stat((dir / "a/Lx1Cfg.ini").c_str(), &before);
        const auto entries = CountEntries(dir / "a") + CountEntries(dir / "b");

        try {
            WriteFileAtomically(dir / "a/Lx1Cfg.ini", "new bytes");
            ADD_FAILURE() << "written";
        } catch (const FileWriteError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Unable to write to " + (dir / "a/Lx1Cfg.ini").string());
            EXPECT_EQ(e.Reason(), c.reason);
        }

        struct stat after {};
        ::stat((dir / "a/Lx1Cfg.ini").c_str(), &after);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_rdev, before.st_rdev);
        EXPECT_EQ(CountEntries(dir / "a") + CountEntries(dir / "b"), entries)
            << "no temporary file left behind";
    }
}

}  // namespace
}  // namespace dtu
