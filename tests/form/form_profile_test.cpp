#include "form/form_profile.h"

#include <gtest/gtest.h>

#include <string>

#include "form/form_settings.h"
#include "tests/lang/test_support.h"

namespace dtu {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// A settings file without the two profile keys is a profile of data
// transmission in the full view; values outside their lists fall back the same way.
TEST(FormProfile, WorkModeAndViewComeFromTheFileOrTheirDefaults) {
    struct Row {
        const char* name;
        const char* file;
        int workMode;
        int view;
    };
    const Row rows[] = {
        {"settings_file", "[COMMON]\nAPN Index=1\n[DTM]\nIP1=a\n", 0, kFullView},
        {"both_keys", "[COMMON]\nWorkMode=3\nView=1\n", 3, kCompactView},
        {"any_case", "[common]\nworkmode=4\nview=0\n", 4, kFullView},
        {"outside_lists", "[COMMON]\nWorkMode=5\nView=2\n", 0, kFullView},
        {"not_numbers", "[COMMON]\nWorkMode=sms\nView=compact\n", 0, kFullView},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        WriteBytes(dir / "profile.ini", row.file);
        FormModel form;
        form.SetItem(Field::WorkMode, 2);
        form.SetView(kCompactView);
        LoadProfile(IniFile(dir / "profile.ini"), form);
        EXPECT_EQ(form.Item(Field::WorkMode), row.workMode);
        EXPECT_EQ(form.View(), row.view);
    }
}

TEST(FormProfile, SavedProfileLoadsBackAndKeepsTheFilesOtherKeys) {
    TempDir dir;
    WriteBytes(dir / "profile.ini", "[COM]\nComName=/dev/ttyUSB0\n");
    FormModel saved;
    saved.SetItem(Field::WorkMode, 4);
    saved.SetView(kCompactView);
    saved.SetText(Field::SmsModePhone, "13800138000");
    saved.SetText(Field::HttpHeaders, "A: 1\r\nB: \xD6\xD0");
    {
        IniFile file(dir / "profile.ini");
        SaveProfile(saved, file);
        EXPECT_FALSE(file.Save().has_value());
    }
    const IniFile file(dir / "profile.ini");
    EXPECT_EQ(file.ReadString("COM", "ComName", ""), "/dev/ttyUSB0");
    FormModel loaded;
    LoadProfile(file, loaded);
    EXPECT_EQ(ProfileEntries(loaded), ProfileEntries(saved));
    EXPECT_NE(ReadBytes(dir / "profile.ini").find("[COMMON]\nWorkMode=4\nView=1\n"),
              std::string::npos);
}

}  // namespace
}  // namespace dtu
