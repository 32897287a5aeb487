#include "form/form_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/lang/test_support.h"

namespace dtu {
namespace {

using testing::TempDir;
using testing::WriteBytes;

TEST(FormSettings, IndexesOutsideTheirListsGiveTheDefaults) {
    TempDir dir;
    WriteBytes(dir / "Lx1Cfg.ini",
               "[COMMON]\nAPN Index=7\nAPN Str=kept\nBaudRate=11\nParity=-1\nByte=5\nStop=2\n"
               "[DTM]\nProtocol1=2\nProtocol4=0x7fffffff\nHeartbeatTo=9\nLoginMode=-3\n"
               "[HCM]\nHTPTP=$10\n");
    const IniFile file(dir / "Lx1Cfg.ini");
    FormModel form;
    form.SetItem(Field::Parity, 2);
    LoadFormSettings(file, form);
    for (const FieldRow& row : FormFields()) {
        if (row.kind == FieldKind::Item && row.section != nullptr) {
            EXPECT_EQ(form.Item(row.field), std::stoi(row.defaultValue)) << row.key;
        }
    }
    EXPECT_EQ(form.Text(Field::Apn), "\"CMNET\",\"\",\"\"");
    EXPECT_EQ(form.ItemText(Field::BaudRate), "115200");
    EXPECT_EQ(form.ItemText(Field::DataBits), "8");
    EXPECT_EQ(form.ItemText(Field::Socket1Protocol), "TCP");
}

TEST(FormSettings, EveryValueComesBackWhole) {
    TempDir dir;
    FormModel saved;
    saved.SetText(Field::HttpUrl, "/" + std::string(300, 'u'));
    saved.SetText(Field::HttpHeaders, "Host: a\r\nX: \xD6\xD0\r\n\x80\xFF");
    saved.SetText(Field::Socket3Port, "123456789");
    saved.SetTick(Field::HeartbeatPacketHex, true);
    saved.SetText(Field::HeartbeatPacket, "ZZ not hex");
    saved.ChooseApn(kApnOtherChoice);
    saved.SetText(Field::Apn, "\"my.apn\",\"u\",\"p\"");
    saved.SetItem(Field::RegistrationMode, 1);
    saved.SetTick(Field::Socket4Enable, true);
    {
        IniFile file(dir / "Lx1Cfg.ini");
        SaveFormSettings(saved, file);
        EXPECT_FALSE(file.Save().has_value());
    }
    const IniFile file(dir / "Lx1Cfg.ini");
    FormModel loaded;
    LoadFormSettings(file, loaded);
    for (const FieldRow& row : FormFields()) {
        if (row.section == nullptr) {
            continue;
        }
        EXPECT_EQ(loaded.Text(row.field), saved.Text(row.field)) << static_cast<int>(row.field);
        EXPECT_EQ(loaded.Item(row.field), saved.Item(row.field)) << static_cast<int>(row.field);
        EXPECT_EQ(loaded.Tick(row.field), saved.Tick(row.field)) << static_cast<int>(row.field);
    }
}

// A hand-edited "\r\n" reaches the form as line ends only in the HTTP header,
// the one text of several lines; elsewhere only the tool's doubled backslash
// is read as one.
TEST(FormSettings, OnlyTheHttpHeaderTakesEscapesAsLineEnds) {
    struct Row {
        Field field;
        const char* file;
        const char* text;
    };
    const Row rows[] = {
        {Field::HttpHeaders, "[HCM]\nHTPHD=Host: a\\r\\nX: \\\\b\n", "Host: a\r\nX: \\b"},
        {Field::HttpUrl, "[HCM]\nHTPURL=/a\\r\\nb\n", "/a\\r\\nb"},
        {Field::Socket1Host, "[DTM]\nIP1=h\\r\\n\\\\x\n",
         "h\\r\\n\\x"},  // "\\\\": the tool's backslash
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        TempDir dir;
        WriteBytes(dir / "Lx1Cfg.ini", row.file);
        FormModel form;
        LoadFormSettings(IniFile(dir / "Lx1Cfg.ini"), form);
        EXPECT_EQ(form.Text(row.field), row.text);
    }
}

// Saved and loaded again, backslashes stay what they were in either kind of text.
TEST(FormSettings, BackslashesComeBackInEveryText) {
    TempDir dir;
    FormModel saved;
    saved.SetText(Field::Socket1Host, "C:\\new\\r\\n");
    saved.SetText(Field::HttpHeaders, "A: \\n\r\nB: \\");
    {
        IniFile file(dir / "Lx1Cfg.ini");
        SaveFormSettings(saved, file);
        EXPECT_FALSE(file.Save().has_value());
    }
    FormModel loaded;
    LoadFormSettings(IniFile(dir / "Lx1Cfg.ini"), loaded);
    EXPECT_EQ(loaded.Text(Field::Socket1Host), saved.Text(Field::Socket1Host));
    EXPECT_EQ(loaded.Text(Field::HttpHeaders), saved.Text(Field::HttpHeaders));
}

}  // namespace
}  // namespace dtu
