#include "cli/port_info.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/lang/test_support.h"

namespace dtu::cli {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::WriteBytes;

TEST(PortInfo, DescribesADeviceByItsPersistentNames) {
    TempDir dir;
    fs::create_directory(dir / "by-id");
    WriteBytes(dir / "ttyUSB0", "");
    WriteBytes(dir / "ttyUSB1", "");
    fs::create_symlink(dir / "ttyUSB0", dir / "by-id" / "usb-Maker_Modem_A1-if00-port0");
    fs::create_symlink("../ttyUSB1", dir / "by-id" / "usb-Maker_Modem_B2-if00-port0");
    fs::create_symlink("../ttyUSB1", dir / "by-id" / "usb-Maker_Modem_B2-if01-port0");
    fs::create_symlink(dir / "unplugged", dir / "by-id" / "usb-Gone-if00-port0");
    const std::map<std::string, std::string> expected = {
        {(dir / "ttyUSB0").string(), "usb-Maker_Modem_A1-if00-port0"},
        {(dir / "ttyUSB1").string(),
         "usb-Maker_Modem_B2-if00-port0, usb-Maker_Modem_B2-if01-port0"},
    };
    EXPECT_EQ(PersistentNames(dir / "by-id"), expected);
    EXPECT_TRUE(PersistentNames(dir / "missing").empty());
}

TEST(PortInfo, SaysWhyAPortDidNotOpen) {
    TempDir dir;
    const std::string node = (dir / "ttyUSB7").string();
    WriteBytes(node, "");
    const std::string group = getgrgid(getegid())->gr_name;
    struct Row {
        mode_t mode;
        std::string reason;
        std::string said;
    };
    const Row rows[] = {
        {0660, "Error opening serial port: Permission denied: add the user to the dialout group",
         node + ": permission denied: it belongs to the group " + group +
             "; join it (sudo adduser $USER " + group + ") and log in again"},
        {0600, "Error opening serial port: Permission denied: add the user to the dialout group",
         node + ": permission denied: only its owner may open it"},
        {0660, "Error opening serial port: in use by another program",
         node + ": busy, held by another program"},
        {0660, "File handle is not a comm handle ",
         node + ": cannot be opened: File handle is not a comm handle "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.said);
        ASSERT_EQ(chmod(node.c_str(), row.mode), 0);
        EXPECT_EQ(ExplainOpenFailure(node, row.reason), row.said);
    }
    EXPECT_EQ(UnknownPort(node), std::nullopt);
    EXPECT_EQ(UnknownPort((dir / "ttyUSB8").string()),
              "unknown port " + (dir / "ttyUSB8").string() +
                  ": no such device (dtuconfig-cli ports lists the ports)");
}

}  // namespace
}  // namespace dtu::cli
