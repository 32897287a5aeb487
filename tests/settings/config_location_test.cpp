#include "settings/config_location.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/lang/test_support.h"

namespace dtu {
namespace {

using testing::ScopedEnv;
using testing::TempDir;
using testing::WriteBytes;

class ConfigLocation : public ::testing::Test {
protected:
    void SetUp() override { WriteBytes(dir_ / "plain", "x"); }

    TempDir dir_;
    // A folder nobody can write, root included: its parent is a regular file.
    std::filesystem::path unwritable_ = dir_ / "plain" / "bin";
    std::filesystem::path writable_ = dir_.Path();
};

TEST_F(ConfigLocation, ExecutableFolderWhenWritable) {
    ScopedEnv over("DTUCONFIG_CONFIG_DIR", std::nullopt);
    EXPECT_EQ(ConfigFilePath("Lx1Cfg.ini", writable_), writable_ / "Lx1Cfg.ini");
}

TEST_F(ConfigLocation, UserFolderWhenExecutableFolderIsNotWritable) {
    ScopedEnv over("DTUCONFIG_CONFIG_DIR", "");
    ScopedEnv xdg("XDG_CONFIG_HOME", (dir_ / "xdg").string());
    const auto path = ConfigFilePath("Lx1Cfg.ini", unwritable_);
    EXPECT_EQ(path, dir_ / "xdg" / "dtuconfig" / "Lx1Cfg.ini");
    EXPECT_TRUE(std::filesystem::is_directory(path.parent_path()));
}

// Run as root, the installed programs' folder is writable: the files still go per user.
TEST_F(ConfigLocation, UserFolderForAnInstalledCopy) {
    ScopedEnv over("DTUCONFIG_CONFIG_DIR", std::nullopt);
    ScopedEnv xdg("XDG_CONFIG_HOME", (dir_ / "xdg").string());
    for (const auto& installed : {InstalledProgramDir(), InstalledProgramDir() / "."}) {
        EXPECT_EQ(ConfigFilePath("Lx1Lang.txt", installed),
                  dir_ / "xdg" / "dtuconfig" / "Lx1Lang.txt");
    }
}

TEST_F(ConfigLocation, HomeConfigWithoutAbsoluteXdgVariable) {
    ScopedEnv over("DTUCONFIG_CONFIG_DIR", std::nullopt);
    ScopedEnv home("HOME", (dir_ / "home").string());
    for (const auto& xdg : {std::optional<std::string>(), {"relative/dir"}}) {
        ScopedEnv xdgEnv("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(ConfigFilePath("Lx1Lang.txt", unwritable_),
                  dir_ / "home" / ".config" / "dtuconfig" / "Lx1Lang.txt");
    }
}

TEST_F(ConfigLocation, OverrideFolderWinsAndIsCreated) {
    ScopedEnv over("DTUCONFIG_CONFIG_DIR", (dir_ / "fresh" / "run").string());
    EXPECT_EQ(ConfigFilePath("Lx1Cfg.ini", writable_), dir_ / "fresh" / "run" / "Lx1Cfg.ini");
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "fresh" / "run"));
}

TEST(ExecutableDir, HoldsThisTestProgram) {
    EXPECT_TRUE(std::filesystem::is_regular_file(ExecutableDir() / "settings_tests"));
}

}  // namespace
}  // namespace dtu
