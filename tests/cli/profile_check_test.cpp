#include "cli/profile_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form_snapshot.h"
#include "tests/lang/test_support.h"

namespace dtu::cli {
namespace {

using Problems = std::vector<ProfileProblem>;
using testing::TempDir;
using testing::WriteBytes;

// Each row: a profile's bytes and the problems found, in file order.
TEST(ProfileCheck, FindsEveryBadValueWithItsKeyAndLine) {
    struct Row {
        const char* name;
        std::string text;
        Problems problems;
    };
    const std::string itemList = "an item index from 0 to 2 is due";
    const Row rows[] = {
        {"settings_file_as_saved",
         "[COM]\nComName=COM1\n[COMMON]\nAPN Index=2\nAPN Str=x\nBaudRate=10\n[DTM]\n"
         "Port1=2317\nPort2=\nHeartbeatTime=50\nD2D ID=\nResoc= 1 0\n[STM]\nTelNo=+8613800\n",
         {}},
        {"items_outside_lists",
         "[COMMON]\nWorkMode=5\nView=-1\nAPN Index=3\nBaudRate=9600\n[HCM]\nHTPTP=0x1\n",
         {{"COMMON/WorkMode", 2, "5", "an item index from 0 to 4 is due"},
          {"COMMON/View", 3, "-1", "an item index from 0 to 1 is due"},
          {"COMMON/APN Index", 4, "3", itemList},
          {"COMMON/BaudRate", 5, "9600",
           "an item index from 0 to 10 is due (0 = 300, 1 = 600, 2 = 1200, 3 = 2400, "
           "4 = 4800, 5 = 9600, 6 = 14400, 7 = 19200, 8 = 38400, 9 = 57600, 10 = 115200)"}}},
        {"ticks_and_numbers",
         "[DTM]\r\nEnable1=yes\r\nEnable2=2\r\nPort3=65536\r\nPort4=80a\r\nWaitTime=\r\n"
         "RestartTime=1e3\r\nD2D ID=x\r\nResoc=\r\n[STM]\r\nTelNo=10086-1\r\n",
         {{"DTM/Enable1", 2, "yes", "1 or 0 is due"},
          {"DTM/Enable2", 3, "2", "1 or 0 is due"},
          {"DTM/Port3", 4, "65536", "a port number from 0 to 65535 or nothing is due"},
          {"DTM/Port4", 5, "80a", "a port number from 0 to 65535 or nothing is due"},
          {"DTM/WaitTime", 6, "", "a number is due"},
          {"DTM/RestartTime", 7, "1e3", "a number is due"},
          {"DTM/D2D ID", 8, "x", "a number or nothing is due"},
          {"DTM/Resoc", 9, "", "a number is due"},
          {"STM/TelNo", 11, "10086-1",
           "a phone number (digits, a leading + allowed) or nothing is due"}}},
        {"packets_hex_only_when_ticked",
         "[DTM]\nHeartbeatFormat=LOG\nLoginFormat=4C4F4\nLoginFormatHex=1\n",
         {{"DTM/LoginFormat", 3, "4C4F4",
           "hexadecimal text (pairs of 0-9, A-F) is due while LoginFormatHex is 1"}}},
        {"ticked_box_sends_the_default_packet",
         "[DTM]\nRestartTime=1800\nHeartbeatFormatHex=1\n",
         {{"DTM/HeartbeatFormat", 3, "LOG",
           "hexadecimal text (pairs of 0-9, A-F) is due while HeartbeatFormatHex is 1 (the key "
           "is missing: this is its default)"}}},
        {"no_profile_key",
         "{\"COMMON\": {}}\n[SYS]\nLang=1\n",
         {{"", 0, "", "it holds none of the profile's keys (sections COMMON, DTM, HCM, STM)"}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CheckProfileText(row.text), row.problems);
    }
}

TEST(ProfileCheck, LoadsAGoodProfileAndLeavesTheFormAloneOtherwise) {
    TempDir dir;
    WriteBytes(dir / "good.ini", "[COMMON]\nWorkMode=4\n[STM]\nTelNo=10010\n");
    WriteBytes(dir / "bad.ini", "[COMMON]\nWorkMode=4\n[STM]\nTelNo=\xD6\xD0\n");
    FormModel form;
    EXPECT_EQ(
        LoadProfileFile(dir / "bad.ini", form),
        (dir / "bad.ini").string() +
            ":4: STM/TelNo=中: a phone number (digits, a leading + allowed) or nothing is due");
    EXPECT_EQ(form.Item(Field::cbb_WorkMode), 0);
    EXPECT_EQ(LoadProfileFile(dir / "missing.ini", form),
              "cannot read the profile " + (dir / "missing.ini").string() + ": no such file");
    EXPECT_EQ(LoadProfileFile(dir.Path(), form),
              "cannot read the profile " + dir.Path().string() + ": not a regular file");
    EXPECT_EQ(LoadProfileFile(dir / "good.ini", form), std::nullopt);
    EXPECT_EQ(SnapshotOf(form).cbb_WorkMode, 4);
    EXPECT_EQ(form.Text(Field::edt_TelNo), "10010");
}

}  // namespace
}  // namespace dtu::cli
