#include "cli/profile_check.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/lang/test_support.h"

namespace dtu::cli {
namespace {

using testing::TempDir;
using testing::WriteBytes;

const std::string kNumber = "a number of 1 to 9 digits is due";
const std::string kPort = "a port number from 0 to 65535 or nothing is due";
const std::string kQuoted = "text without double quotes or control characters is due";
const std::string kItem = "an item of its list is due";

// Each row: a profile's bytes and the lines that refuse it (file order); the
// path stands where "@" does.
TEST(ProfileCheck, RefusesWhatWriteAllCannotSendAsWritten) {
    struct Row {
        const char* name;
        std::string text;
        std::string refused;
    };
    const Row rows[] = {
        {"settings_file_as_saved",
         "[COM]\nComName=COM1\n[COMMON]\nAPN Index=2\nAPN Str=\"x\", \"u\"\nBaudRate=10\n[DTM]\n"
         "Port1=2317\nPort2=\nHeartbeatTime=50\nD2D ID=\nResoc= 1 0\n[STM]\nTelNo=+8613800138000\n",
         ""},
        {"items_outside_lists", "[COMMON]\nWorkMode=9\nView=-1\nAPN Index=3\nBaudRate=99\n",
         "@:2: COMMON/WorkMode=9: " + kItem + "\n@:3: COMMON/View=-1: " + kItem +
             "\n@:4: COMMON/APN Index=3: " + kItem + "\n@:5: COMMON/BaudRate=99: " + kItem},
        {"full_view_rules",
         "[DTM]\r\nEnable1=yes\r\nPort3=65536\r\nWaitTime=\r\nRestartTime=1e3\r\nResoc=\r\n",
         "@:2: DTM/Enable1=yes: 1 or 0 is due\n@:3: DTM/Port3=65536: " + kPort +
             "\n@:4: DTM/WaitTime=: " + kNumber + "\n@:5: DTM/RestartTime=1e3: " + kNumber +
             "\n@:6: DTM/Resoc=: " + kNumber + " (blanks are ignored)"},
        {"quotes_and_control_bytes_cannot_reach_the_line",
         "[COMMON]\nAPN Index=2\nAPN Str=\"a\"b\"\n[DTM]\nIP1=x\",1\nHeartbeatFormat=a\"\n"
         "HeartbeatFormatHex=1\nLoginFormat=\"ok\"\nLoginFormatHex=0\nWaitTime=1\t0\n",
         "@:3: COMMON/APN Str=\"a\"b\": one to three texts in double quotes, separated by commas, "
         "are due\n@:5: DTM/IP1=x\",1: " +
             kQuoted +
             "\n@:6: DTM/HeartbeatFormat=a\": hexadecimal digits in pairs are due (its hex box is "
             "ticked)" +
             "\n@:10: DTM/WaitTime=1\\x090: text on one line, without control characters, is due"},
        {"only_what_the_mode_and_view_send",
         "[COMMON]\nWorkMode=4\n[DTM]\nHeartbeatTime=\nPort2=99999\nHeartbeatFormat=LOG\n"
         "HeartbeatFormatHex=1\n[STM]\nTelNo=13800138000\n",
         ""},
        {"compact_view_hides_restart_time",
         "[COMMON]\nView=1\n[DTM]\nRestartTime=\nPort2=x\nHeartbeatTime=\n",
         "@:6: DTM/HeartbeatTime=: " + kNumber},
        {"sms_number", "[COMMON]\nWorkMode=4\n[STM]\nTelNo=10086-1\n",
         "@:4: STM/TelNo=10086-1: a phone number (1 to 20 digits, a leading + allowed) is due"},
        {"duplicated_key", "[DTM]\nIP1=a\nPort1=1\nip1=b\n",
         "@: DTM/ip1 is given twice, on lines 2 and 4"},
        {"no_profile_key", "{\"COMMON\": {}}\n[SYS]\nLang=1\n",
         "@: it holds none of the profile's keys (sections COMMON, DTM, HCM, STM)"},
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto path = dir / (std::string(row.name) + ".ini");
        const auto withPath = [&path](std::string text) {
            for (std::size_t at; (at = text.find('@')) != std::string::npos;) {
                text.replace(at, 1, path.string());
            }
            return text;
        };
        WriteBytes(path, row.text);
        FormModel form;
        const auto refused = LoadProfileFile(path, form, std::nullopt);
        EXPECT_EQ(refused.value_or(""), withPath(row.refused));
    }
}

TEST(ProfileCheck, LoadsAGoodProfileAndLeavesTheFormAloneOtherwise) {
    TempDir dir;
    WriteBytes(dir / "good.ini", "[COMMON]\nWorkMode=4\n[STM]\nTelNo=10010\n");
    WriteBytes(dir / "bad.ini", "[COMMON]\nWorkMode=4\n[STM]\nTelNo=\xD6\xD0\n");
    FormModel form;
    EXPECT_EQ(LoadProfileFile(dir / "bad.ini", form, std::nullopt),
              (dir / "bad.ini").string() +
                  ":4: STM/TelNo=中: a phone number (1 to 20 digits, a leading + allowed) is due");
    EXPECT_EQ(form.Item(Field::WorkMode), 0);
    EXPECT_EQ(LoadProfileFile(dir / "missing.ini", form, std::nullopt),
              "cannot read the profile " + (dir / "missing.ini").string() + ": no such file");
    EXPECT_EQ(LoadProfileFile(dir.Path(), form, std::nullopt),
              "cannot read the profile " + dir.Path().string() + ": not a regular file");
    EXPECT_EQ(LoadProfileFile(dir / "good.ini", form, std::nullopt), std::nullopt);
    EXPECT_EQ(form.Item(Field::WorkMode), 4);
    EXPECT_EQ(form.Text(Field::SmsModePhone), "10010");
}

}  // namespace
}  // namespace dtu::cli
