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
    form.SetItem(Field::cbb_Com_Parity, 2);
    LoadFormSettings(file, form);
    for (const FieldRow& row : FormFields()) {
        if (row.kind == FieldKind::Item && row.section != nullptr) {
            EXPECT_EQ(form.Item(row.field), std::stoi(row.defaultValue)) << row.control;
        }
    }
    EXPECT_EQ(form.Text(Field::edt_APN_other), "\"CMNET\",\"\",\"\"");
    EXPECT_EQ(form.ItemText(Field::cbb_Com_BaudRate), "115200");
    EXPECT_EQ(form.ItemText(Field::cbb_Com_Byte), "8");
    EXPECT_EQ(form.ItemText(Field::cbb_NetProtocol1), "TCP");
}

TEST(FormSettings, EveryValueComesBackWhole) {
    TempDir dir;
    FormModel saved;
    saved.SetText(Field::edtHTPURL, "/" + std::string(300, 'u'));
    saved.SetText(Field::mmoHTPHD, "Host: a\r\nX: \xD6\xD0\r\n\x80\xFF");
    saved.SetText(Field::edt_Port3, "123456789");
    saved.SetTick(Field::chk_HeartbeatFormat, true);
    saved.SetText(Field::edt_HeartbeatFormat, "ZZ not hex");
    saved.ChooseApn(kApnOtherChoice);
    saved.SetText(Field::edt_APN_other, "\"my.apn\",\"u\",\"p\"");
    saved.SetItem(Field::cbb_RegMode, 1);
    saved.SetTick(Field::chk_NetPort4, true);
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
        EXPECT_EQ(loaded.Text(row.field), saved.Text(row.field)) << row.control;
        EXPECT_EQ(loaded.Item(row.field), saved.Item(row.field)) << row.control;
        EXPECT_EQ(loaded.Tick(row.field), saved.Tick(row.field)) << row.control;
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
        {Field::mmoHTPHD, "[HCM]\nHTPHD=Host: a\\r\\nX: \\\\b\n", "Host: a\r\nX: \\b"},
        {Field::edtHTPURL, "[HCM]\nHTPURL=/a\\r\\nb\n", "/a\\r\\nb"},
        {Field::edt_IP1, "[DTM]\nIP1=h\\r\\n\\\\x\n",
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
    saved.SetText(Field::edt_IP1, "C:\\new\\r\\n");
    saved.SetText(Field::mmoHTPHD, "A: \\n\r\nB: \\");
    {
        IniFile file(dir / "Lx1Cfg.ini");
        SaveFormSettings(saved, file);
        EXPECT_FALSE(file.Save().has_value());
    }
    FormModel loaded;
    LoadFormSettings(IniFile(dir / "Lx1Cfg.ini"), loaded);
    EXPECT_EQ(loaded.Text(Field::edt_IP1), saved.Text(Field::edt_IP1));
    EXPECT_EQ(loaded.Text(Field::mmoHTPHD), saved.Text(Field::mmoHTPHD));
}

}  // namespace
}  // namespace dtu
