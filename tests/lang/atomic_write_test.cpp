#include "lang/atomic_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
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

        EXPECT_TRUE(WriteFileAtomically(dir / "a/Lx1Cfg.ini", "new bytes").written);

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

        const WriteResult result = WriteFileAtomically(dir / "a/Lx1Cfg.ini", "new bytes");
        EXPECT_FALSE(result.written);
        ASSERT_TRUE(result.error.has_value());
        EXPECT_EQ(result.error->What(), "Unable to write to " + (dir / "a/Lx1Cfg.ini").string());
        EXPECT_EQ(result.error->reason, c.reason);

        struct stat after {};
        ::stat((dir / "a/Lx1Cfg.ini").c_str(), &after);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_rdev, before.st_rdev);
        EXPECT_EQ(CountEntries(dir / "a") + CountEntries(dir / "b"), entries)
            << "no temporary file left behind";
    }
}

// The kernel's protected-symlinks rule, on the owners of a link and its folder.
TEST(AtomicWrite, LinksInSharedFoldersFollowOnlyTrustedOwners) {
    constexpr unsigned kShared = S_IFDIR | S_ISVTX | 0777;
    constexpr unsigned kMe = 1000, kOther = 1001, kRootUid = 0;
    struct Case {
        const char* name;
        LinkOwners owners;
        bool followed;
    };
    const Case cases[] = {
        {"another_users_link_in_tmp", {kShared, kRootUid, kOther, kMe}, false},
        {"another_users_link_in_tmp_as_root", {kShared, kRootUid, kOther, kRootUid}, false},
        {"my_link_in_tmp", {kShared, kRootUid, kMe, kMe}, true},
        {"folder_owners_link", {kShared, kOther, kOther, kMe}, true},
        {"sticky_but_not_world_writable", {S_IFDIR | S_ISVTX | 0775, kRootUid, kOther, kMe}, true},
        {"world_writable_not_sticky", {S_IFDIR | 0777, kRootUid, kOther, kMe}, true},
        {"private_folder", {S_IFDIR | 0755, kOther, kOther, kMe}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LinkMayBeFollowed(c.owners), c.followed) << c.name;
    }
}

// A link planted by another user in a shared folder never leads the write to
// the file it points at; with links refused, not even the user's own does.
TEST(AtomicWrite, PlantedLinksAreRefused) {
    constexpr uid_t kOtherUser = 54321;
    struct Case {
        const char* name;
        bool foreignOwner;
        LinkPolicy policy;
        bool written;
        const char* reason;
    };
    const Case cases[] = {
        {"foreign_link_followed", true, LinkPolicy::FollowTrusted, false,
         "a symbolic link of another user in a shared folder"},
        {"own_link_followed", false, LinkPolicy::FollowTrusted, true, ""},
        {"own_link_refused", false, LinkPolicy::Refuse, false,
         "a symbolic link, which this file is not written through"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        fs::create_directory(dir / "shared");
        fs::permissions(dir / "shared", fs::perms::all | fs::perms::sticky_bit);
        WriteBytes(dir / "victim", "secret");
        Link(dir / "victim", dir / "shared/report.json");
        if (c.foreignOwner && ::lchown((dir / "shared/report.json").c_str(), kOtherUser, -1) != 0) {
            GTEST_SKIP() << "only root gives a link to another user";
        }
        const WriteResult result = WriteFileAtomically(dir / "shared/report.json", "{}", c.policy);
        EXPECT_EQ(result.written, c.written);
        EXPECT_EQ(result.error ? result.error->reason : std::string(), c.reason);
        EXPECT_EQ(ReadBytes(dir / "victim"), c.written ? "{}" : "secret");
        EXPECT_TRUE(fs::is_symlink(dir / "shared/report.json"));
        EXPECT_EQ(CountEntries(dir / "shared"), 1u) << "no temporary file left behind";
    }
}

// A write abandoned just before the replacement leaves the old file and no temporary one.
TEST(AtomicWrite, AbandonedWriteLeavesTheOldFile) {
    TempDir dir;
    WriteBytes(dir / "Lx1Cfg.ini", "old");
    int seen = -1;
    const WriteResult result =
        WriteFileAtomically(dir / "Lx1Cfg.ini", "new", LinkPolicy::FollowTrusted, [&seen](int fd) {
            seen = fd;
            return false;
        });
    EXPECT_FALSE(result.written);
    EXPECT_FALSE(result.error.has_value());
    EXPECT_GE(seen, 0);
    EXPECT_EQ(ReadBytes(dir / "Lx1Cfg.ini"), "old");
    EXPECT_EQ(CountEntries(dir.Path()), 1u);
}

// An owner-only file is 0600 whatever it was and whatever the umask; otherwise
// an existing file keeps its permissions and a new one gets the umask's.
TEST(AtomicWrite, OwnerOnlyAccessOverridesTheOldModeAndTheUmask) {
    constexpr int kNew = -1;
    struct Case {
        const char* name;
        int before;  // the file's mode, or kNew
        mode_t mask;
        FileAccess access;
        mode_t after;
    };
    const Case cases[] = {
        {"new_kept", kNew, 022, FileAccess::Kept, 0644},
        {"new_owner_only", kNew, 022, FileAccess::OwnerOnly, 0600},
        {"new_owner_only_under_a_tight_umask", kNew, 0277, FileAccess::OwnerOnly, 0600},
        {"existing_kept", 0640, 022, FileAccess::Kept, 0640},
        {"existing_owner_only", 0644, 022, FileAccess::OwnerOnly, 0600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.before != kNew) {
            WriteBytes(dir / "profile.ini", "old");
            ASSERT_EQ(::chmod((dir / "profile.ini").c_str(), static_cast<mode_t>(c.before)), 0);
        }
        const mode_t previousMask = ::umask(c.mask);
        EXPECT_TRUE(
            WriteFileAtomically(dir / "profile.ini", "new", LinkPolicy::Refuse, {}, c.access)
                .written);
        ::umask(previousMask);
        struct stat info {};
        ASSERT_EQ(::stat((dir / "profile.ini").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, c.after);
        EXPECT_EQ(ReadBytes(dir / "profile.ini"), "new");
    }
}

// Only the temporary files of this file whose writer is gone are removed.
TEST(AtomicWrite, DeadWritersTempFilesAreRemoved) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ASSERT_GT(child, 0);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const std::string dead = std::to_string(child);
    const std::string alive = std::to_string(::getpid());
    struct Case {
        std::string name;
        bool kept;
    };
    const Case cases[] = {
        {"Lx1Cfg.ini", true},
        {".Lx1Cfg.ini.tmp-" + dead + "-0-0", false},
        {".Lx1Cfg.ini.tmp-" + dead + "-7-1", false},
        {".Lx1Cfg.ini.tmp-" + alive + "-0-0", true},
        {".Lx1Cfg.ini.tmp-1-0-0", true},
        {".Lx1Cfg.ini.tmp-" + dead, true},
        {".Lx1Cfg.ini.tmp-x" + dead + "-0-0", true},
        {".Other.ini.tmp-" + dead + "-0-0", true},
    };
    TempDir dir;
    for (const auto& c : cases) {
        WriteBytes(dir / c.name, "x");
    }
    RemoveDeadWritersTempFiles(dir / "Lx1Cfg.ini");
    for (const auto& c : cases) {
        EXPECT_EQ(fs::exists(dir / c.name), c.kept) << c.name;
    }
}

}  // namespace
}  // namespace dtu
