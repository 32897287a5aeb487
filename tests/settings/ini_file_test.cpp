#include "settings/ini_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/lang/test_support.h"

namespace dtu {
namespace {

using testing::CountEntries;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

TEST(IniFile, ValuesComeBackUnchanged) {
    struct Row {
        std::string value;
        bool lines;  // a text of several lines
    };
    const std::vector<Row> rows = {
        {"\"CMNET\",\"\",\"\"", false},
        {"  leading and trailing  ", false},
        {"a=b=c", false},
        {"\xD6\xD0\xCE\xC4 GBK", false},
        {"", false},
        {"back\\slash\\n literal", false},
        {"\\", false},
        {";not a comment", false},
        {"[not a section]", false},
        {std::string("nul\0byte", 8), false},
        {"Host: x\r\nAccept: */*\r\n", true},
        {"back\\slash\\n literal", true},
        {"lone\rcr", true},
        {"\n", true},
        {"\\", true},
    };
    TempDir dir;
    {
        IniFile ini(dir / "Lx1Cfg.ini");
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::string key = "Key" + std::to_string(i);
            ini.WriteString("Values", key, rows[i].value);
        }
        EXPECT_FALSE(ini.Save().has_value());
    }
    const IniFile reread(dir / "Lx1Cfg.ini");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string key = "Key" + std::to_string(i);
        EXPECT_EQ(rows[i].lines ? reread.ReadMultiLine("Values", key, "default")
                                : reread.ReadString("Values", key, "default"),
                  rows[i].value)
            << key;
    }
    EXPECT_NE(ReadBytes(dir / "Lx1Cfg.ini").find("\nKey0=\"CMNET\",\"\",\"\"\n"), std::string::npos)
        << "ordinary values are stored as they are";
}

TEST(IniFile, NamesIgnoreCaseAndWritesKeepUnknownLines) {
    TempDir dir;
    const std::string before =
        "; kept comment\r\n[COM]\r\nComName=COM3\r\nUnknown = x \r\n\r\n[Other]\r\nA=1\r\n";
    WriteBytes(dir / "Lx1Cfg.ini", before);
    IniFile ini(dir / "Lx1Cfg.ini");
    EXPECT_EQ(ini.ReadString("com", "COMNAME", ""), "COM3");
    ini.WriteString("Com", "comname", "COM7");
    ini.WriteInteger("SYS", "Lang", 1);
    EXPECT_FALSE(ini.Save().has_value());
    EXPECT_EQ(ReadBytes(dir / "Lx1Cfg.ini"),
              "; kept comment\r\n[COM]\r\nComName=COM7\r\nUnknown = x \r\n\r\n[Other]\r\nA=1\r\n"
              "[SYS]\r\nLang=1\r\n");
}

TEST(IniFile, IntegersAndBooleans) {
    TempDir dir;
    WriteBytes(dir / "Lx1Cfg.ini",
               "[N]\ndec=42\nhex=0x1F\ndollar=$1F\njunk=4x\nempty=\nhuge=99999999999999999999\n"
               "zero=0\nfive=5\nhexzero=0x0\n");
    const IniFile ini(dir / "Lx1Cfg.ini");
    EXPECT_EQ(ini.ReadInteger("N", "dec", -1), 42);
    EXPECT_EQ(ini.ReadInteger("N", "hex", -1), 31);
    EXPECT_EQ(ini.ReadInteger("N", "dollar", -1), 31);
    EXPECT_EQ(ini.ReadInteger("N", "junk", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "empty", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "huge", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "missing", 10), 10);
    EXPECT_FALSE(ini.ReadBool("N", "zero", true));
    EXPECT_TRUE(ini.ReadBool("N", "five", false));
    EXPECT_FALSE(ini.ReadBool("N", "hexzero", true));
    EXPECT_TRUE(ini.ReadBool("N", "junk", true));
    EXPECT_FALSE(ini.ReadBool("N", "junk", false));
    EXPECT_TRUE(ini.ReadBool("N", "missing", true));

    IniFile writer(dir / "new.ini");
    writer.WriteBool("B", "on", true);
    writer.WriteBool("B", "off", false);
    writer.WriteInteger("B", "negative", -12);
    EXPECT_FALSE(writer.Save().has_value());
    EXPECT_EQ(ReadBytes(dir / "new.ini"), "[B]\non=1\noff=0\nnegative=-12\n");
}

TEST(IniFile, BadFilesGiveDefaultsOrWhatCanBeRead) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder.ini");
    WriteBytes(dir / "nul.ini", std::string("[A]\nk=\0v\nj=2\n", 13));
    WriteBytes(dir / "long.ini", "[A]\nx=" + std::string(4 << 20, 'y') + "\nj=2\n");
    WriteBytes(dir / "no_newline.ini", "[A]\nj=2");
    struct Row {
        const char* file;
        std::string expected;
    };
    const Row rows[] = {
        {"missing.ini", "default"}, {"folder.ini", "default"}, {"nul.ini", "2"},
        {"long.ini", "2"},          {"no_newline.ini", "2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const IniFile ini(dir / row.file);
        EXPECT_EQ(ini.ReadString("A", "j", "default"), row.expected);
        EXPECT_EQ(ini.ReadString("Missing", "j", "default"), "default");
    }
    EXPECT_EQ(IniFile(dir / "nul.ini").ReadString("A", "k", ""), std::string("\0v", 2));
}

TEST(IniFile, UnreadableFileGivesDefaults) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads any file";
    }
    TempDir dir;
    WriteBytes(dir / "Lx1Cfg.ini", "[A]\nj=2\n");
    ASSERT_EQ(::chmod((dir / "Lx1Cfg.ini").c_str(), 0), 0);
    EXPECT_EQ(IniFile(dir / "Lx1Cfg.ini").ReadString("A", "j", "default"), "default");
}

// Writes stay in memory, where reads see them; the file changes once, on Save.
TEST(IniFile, WritesChangeTheFileOnlyOnSave) {
    TempDir dir;
    const std::string before = "[COM]\nComName=COM3\n";
    WriteBytes(dir / "Lx1Cfg.ini", before);
    IniFile ini(dir / "Lx1Cfg.ini");
    for (int i = 0; i < 50; ++i) {
        ini.WriteInteger("DTM", "Key" + std::to_string(i), i);
    }
    ini.WriteString("COM", "ComName", "COM4");
    ini.WriteString("com", "comname", "COM5");
    EXPECT_EQ(ini.ReadString("COM", "ComName", ""), "COM5");
    EXPECT_EQ(ini.ReadInteger("DTM", "Key49", -1), 49);
    EXPECT_EQ(ReadBytes(dir / "Lx1Cfg.ini"), before);

    EXPECT_FALSE(ini.Save().has_value());
    const std::string saved = ReadBytes(dir / "Lx1Cfg.ini");
    EXPECT_TRUE(saved.starts_with("[COM]\nComName=COM5\n[DTM]\nKey0=0\n")) << saved;
    EXPECT_EQ(IniFile(dir / "Lx1Cfg.ini").ReadInteger("DTM", "Key49", -1), 49);
    EXPECT_EQ(CountEntries(dir.Path()), 1u) << "no temporary file left behind";
}

// A failed save changes nothing on disk and loses nothing in memory: once the
// cause is gone, the next Save writes every value.
TEST(IniFile, FailedSaveKeepsTheOldFileAndCanBeRetried) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Lx1Cfg.ini");
    IniFile ini(dir / "Lx1Cfg.ini");
    ini.WriteString("COM", "ComName", "COM1");
    ini.WriteBool("SYS", "Lang", true);
    const std::optional<FileWriteError> error = ini.Save();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->What(), "Unable to write to " + (dir / "Lx1Cfg.ini").string());
    EXPECT_EQ(error->reason, "not a regular file");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Lx1Cfg.ini"));
    EXPECT_EQ(CountEntries(dir.Path()), 1u) << "no temporary file left behind";
    EXPECT_EQ(ini.ReadString("COM", "ComName", "default"), "COM1");

    std::filesystem::remove(dir / "Lx1Cfg.ini");
    EXPECT_FALSE(ini.Save().has_value());
    EXPECT_EQ(ReadBytes(dir / "Lx1Cfg.ini"), "[COM]\nComName=COM1\n[SYS]\nLang=1\n");
}

TEST(IniFile, FailedSaveNamesTheFullPath) {
    TempDir dir;
    WriteBytes(dir / "plain", "x");
    const auto relative = std::filesystem::relative(dir / "plain" / "Lx1Cfg.ini");
    IniFile ini(relative);
    ini.WriteString("COM", "ComName", "COM1");
    const std::optional<FileWriteError> error = ini.Save();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->What(), "Unable to write to " + std::filesystem::absolute(relative).string());
    EXPECT_EQ(error->reason, "Not a directory");
}

// Runs in a forked child: saves a whole file where the folder or the disk
// refuses it, and exits 3 when the save failed for `reason`.
[[noreturn]] void SaveRefused(const std::filesystem::path& path, const std::string& reason) {
    IniFile ini(path);
    ini.WriteString("COM", "ComName", "COM9");
    ini.WriteString("COM", "Big", std::string(1000, 'x'));
    const std::optional<FileWriteError> error = ini.Save();
    std::_Exit(!error ? 0 : error->reason == reason ? 3 : 4);
}

[[noreturn]] void SaveBeyondSizeLimit(const std::filesystem::path& path) {
    // As a full disk would refuse the bytes.
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, 64};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    SaveRefused(path, "File too large");
}

[[noreturn]] void SaveIntoReadOnlyFolder(const std::filesystem::path& path) {
    // Root writes into any folder; an ordinary user does not.
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
        std::_Exit(5);
    }
    SaveRefused(path, "Permission denied");
}

TEST(IniFile, RefusedSaveLeavesThePreviousFileWhole) {
    struct Case {
        const char* name;
        void (*save)(const std::filesystem::path&);
    };
    const Case cases[] = {
        {"disk_full", SaveBeyondSizeLimit},
        {"read_only_folder", SaveIntoReadOnlyFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string before = "[COM]\nComName=COM3\n";
        WriteBytes(dir / "Lx1Cfg.ini", before);
        ASSERT_EQ(::chmod((dir / "Lx1Cfg.ini").c_str(), 0644), 0);
        ASSERT_EQ(::chmod(dir.Path().c_str(), 0555), 0);
        EXPECT_EXIT(c.save(dir / "Lx1Cfg.ini"), ::testing::ExitedWithCode(3), "");
        EXPECT_EQ(ReadBytes(dir / "Lx1Cfg.ini"), before);
        EXPECT_EQ(CountEntries(dir.Path()), 1u) << "no temporary file left behind";
    }
}

// A save keeps what another program wrote to the file since it was read, and
// puts this program's values over it.
TEST(IniFile, SaveKeepsChangesMadeByOthers) {
    TempDir dir;
    WriteBytes(dir / "Lx1Cfg.ini", "[A]\nmine=1\n");
    IniFile ini(dir / "Lx1Cfg.ini");
    EXPECT_EQ(ini.ReadString("A", "mine", ""), "1");
    ini.WriteString("A", "mine", "2");
    WriteBytes(dir / "Lx1Cfg.ini", "[A]\nmine=0\ntheirs=x\n");
    EXPECT_EQ(ini.ReadString("A", "theirs", ""), "x");
    EXPECT_EQ(ini.ReadString("A", "mine", ""), "2");
    ini.WriteString("A", "more", "3");
    EXPECT_FALSE(ini.Save().has_value());
    EXPECT_EQ(ReadBytes(dir / "Lx1Cfg.ini"), "[A]\nmine=2\ntheirs=x\nmore=3\n");
}

// Two programs that loaded the same file each save everything they hold, as the
// windows do on quit: each key ends with the value of the program that changed
// it, whichever saved last; a key both changed takes the last saver's value.
TEST(IniFile, SavesMergeTheKeysEachProgramChanged) {
    TempDir dir;
    WriteBytes(dir / "Lx1Cfg.ini", "[A]\nfirst=0\nsecond=0\nboth=0\nnobody=0\n");
    IniFile first(dir / "Lx1Cfg.ini");
    IniFile second(dir / "Lx1Cfg.ini");
    struct Values {
        const char* first;
        const char* second;
        const char* both;
        const char* nobody;
    };
    auto saveAll = [](IniFile& ini, const Values& values) {
        ini.WriteString("A", "first", values.first);
        ini.WriteString("A", "second", values.second);
        ini.WriteString("A", "both", values.both);
        ini.WriteString("A", "nobody", values.nobody);
        ini.WriteString("A", "new", "1");
        EXPECT_FALSE(ini.Save().has_value());
    };
    EXPECT_EQ(first.ReadString("A", "first", ""), "0");
    EXPECT_EQ(second.ReadString("A", "first", ""), "0");
    saveAll(first, {"1", "0", "1", "0"});
    saveAll(second, {"0", "2", "2", "0"});
    EXPECT_EQ(ReadBytes(dir / "Lx1Cfg.ini"), "[A]\nfirst=1\nsecond=2\nboth=2\nnobody=0\nnew=1\n");
    // The first program saves again what it holds: nothing of the second's changes.
    const std::string merged = ReadBytes(dir / "Lx1Cfg.ini");
    saveAll(first, {"1", "0", "1", "0"});
    EXPECT_EQ(ReadBytes(dir / "Lx1Cfg.ini"), merged);
}

// Two processes saving one key after another into the same file at the same
// time: every key of both is there at the end.
TEST(IniFile, ConcurrentSavesKeepBothWritersKeys) {
    constexpr int kKeysEach = 60;
    TempDir dir;
    const auto path = dir / "Lx1Cfg.ini";
    auto writer = [&path](const char* prefix) {
        IniFile ini(path);
        for (int i = 0; i < kKeysEach; ++i) {
            ini.WriteString("A", prefix + std::to_string(i), "v");
            EXPECT_FALSE(ini.Save().has_value());
        }
    };
    std::vector<pid_t> children;
    for (const char* prefix : {"a", "b"}) {
        const pid_t child = ::fork();
        if (child == 0) {
            writer(prefix);
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const IniFile result(path);
    int kept = 0;
    for (const char* prefix : {"a", "b"}) {
        for (int i = 0; i < kKeysEach; ++i) {
            kept += result.ReadString("A", prefix + std::to_string(i), "") == "v" ? 1 : 0;
        }
    }
    EXPECT_EQ(kept, 2 * kKeysEach);
    EXPECT_EQ(CountEntries(dir.Path()), 1u) << "no temporary file left behind";
}

// The settings file is bounded by the reader's limit: whole lines within it.
TEST(IniFile, ReadingStopsAtTheLimit) {
    TempDir dir;
    WriteBytes(dir / "profile.ini", "[A]\nk=1\nfar=2\n");
    const IniFile ini(dir / "profile.ini", 12);
    EXPECT_EQ(ini.ReadString("A", "k", "none"), "1");
    EXPECT_EQ(ini.ReadString("A", "far", "none"), "none");
}

TEST(IniFile, ReplacementKeepsPermissions) {
    TempDir dir;
    WriteBytes(dir / "Lx1Cfg.ini", "[A]\n");
    ASSERT_EQ(::chmod((dir / "Lx1Cfg.ini").c_str(), 0640), 0);
    IniFile ini(dir / "Lx1Cfg.ini");
    ini.WriteString("A", "k", "v");
    EXPECT_FALSE(ini.Save().has_value());
    struct stat info {};
    ASSERT_EQ(::stat((dir / "Lx1Cfg.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// Made owner-only, a file is written even when it already held every value.
TEST(IniFile, OwnerOnlySaveTightensAnUnchangedFile) {
    TempDir dir;
    WriteBytes(dir / "profile.ini", "[DTM]\nCloudPassword=12345678\n");
    ASSERT_EQ(::chmod((dir / "profile.ini").c_str(), 0644), 0);
    IniFile ini(dir / "profile.ini");
    ini.WriteString("DTM", "CloudPassword", "12345678");
    EXPECT_FALSE(ini.Save(FileAccess::OwnerOnly).has_value());
    struct stat info {};
    ASSERT_EQ(::stat((dir / "profile.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(ReadBytes(dir / "profile.ini"), "[DTM]\nCloudPassword=12345678\n");
}

TEST(IniFile, NamesThatWouldBreakTheFileAreRefused) {
    TempDir dir;
    IniFile ini(dir / "Lx1Cfg.ini");
    EXPECT_THROW(ini.WriteString("A", "k=v", "x"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("A]", "k", "x"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("A", "k\nj", "x"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("A", " k", "x"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("", "k", "x"), std::invalid_argument);
    EXPECT_FALSE(std::filesystem::exists(dir / "Lx1Cfg.ini"));
}

}  // namespace
}  // namespace dtu
