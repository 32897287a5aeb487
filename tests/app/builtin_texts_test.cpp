#include "lang/builtin_texts.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "lang/gbk.h"

namespace dtu {
namespace {

TEST(BuiltinTexts, HasAllRowsWithOneRepeatedKey) {
    const auto rows = BuiltinTexts();
    // The first 153 rows are the original table; rows added later follow them.
    ASSERT_GE(rows.size(), 153u);
    std::set<std::string> keys;
    for (const BuiltinText& row : rows) {
        keys.insert(row.key);
        EXPECT_STRNE(row.chinese, "") << row.key;
        EXPECT_STRNE(row.english, "") << row.key;
    }
    EXPECT_EQ(keys.size(), rows.size() - 1);
    EXPECT_STREQ(rows[143].key, "lang_Hint_btn_PPPA");
    EXPECT_STREQ(rows[144].key, "lang_Hint_btn_PPPA");
}

struct SampleRow {
    int row;
    const char* key;
    const char* chineseUtf8;
    const char* english;
};

// Rows whose exact bytes other code or the user relies on, as UTF-8.
constexpr SampleRow kSamples[] = {
    {1, "lang_System_Title", "Brantec-GPRS-DTU", "Brantec-GPRS-DTU"},
    {3, "lang_Menu_Lang", "English(&L)", "Chinese(&L)"},
    {9, "lang_Menu_ReOpenCom", "以保存的串口配置重新打开串口 (F8) ",
     "Open COM again with saved Config (F8) "},
    {23, "lang_Menu_ManySet",
     "保存串口配置用于批量设置,使用方法参考:\r\n1. 配置第一个设备\r\n2. 更换设备\r\n3. "
     "在配置窗口点击菜单\"以保存的串口配置重新打开串口\"(快捷键F8)\r\n4. "
     "点\"配置全部参数\"(快捷键F9)",
     "Save the serial port configuration used in batch setting,reference:\r\n1. Configure the "
     "first device\r\n2. change devices\r\n3. Click menu \"Open COM again with saved "
     "Config\"(ShortCut:F8)\r\n4. Click button\"Write All Config\"(ShortCut:F9)"},
    {61, "lang_cbb_RegMode_0", "连接即发注册包", "Connecte Send ID  "},
    {62, "lang_cbb_RegMode_1", "数据携带注册包", "Data With ID      "},
    {89, "lang_About_Yes", "确 认", "OK"},
    {93, "lang_About_Tel", " ", " "},
    {98, "lang_APN_APNEmpty", "APN账号不能为空！", "APN account can not be empty!"},
    {113, "lang_Info_ComInuse", "[提示]:串口打开失败,请检查该串口是否被其他软件占用！",
     "[Note]: Failure , please close other software which use this Com Port."},
    {119, "info_Start5", "5、配置全部参数.", "5,Write All."},
    {144, "lang_Hint_btn_PPPA", "点此切换到配置状态（仅在数据透传模式下生效）.",
     "Click here to switch to the configuration state ( Effect only in Data Transmission "
     "mode） ."},
    {145, "lang_Hint_btn_PPPA", "点此切换到通讯状态（仅在数据透传模式下生效）.",
     "Click here to switch to the communication status ( Effect only in Data Transmission "
     "mode）."},
    {153, "lang_Bb_UseD2d_chk_NetPort4",
     "从这四路网络中选择D2D服务所在的服务器,使用TCP协议,25565端口.",
     "Click the server which D2D server running in, use TCP and 25565 port"},
    {158, "lang_Info_OpenNoPermission",
     "[提示]:没有权限打开 %1。请用命令 sudo usermod -aG %2 $USER 加入它的用户组 "
     "%2，然后注销并重新登录。",
     "[Note]: No permission to open %1. Join its group %2 with: sudo usermod -aG %2 $USER, then "
     "log out and log in again."},
    {163, "lang_Info_OpenOther", "[提示]:无法打开 %1: %2", "[Note]: Cannot open %1: %2"},
};

TEST(BuiltinTexts, SampleRowsHoldTheirExactTexts) {
    const auto rows = BuiltinTexts();
    for (const SampleRow& sample : kSamples) {
        SCOPED_TRACE(sample.row);
        const BuiltinText& row = rows[static_cast<std::size_t>(sample.row - 1)];
        EXPECT_STREQ(row.key, sample.key);
        EXPECT_EQ(GbkToUtf8(row.chinese), sample.chineseUtf8);
        EXPECT_EQ(GbkToUtf8(row.english), sample.english);
    }
}

TEST(BuiltinTexts, EveryRowHasTextsInBothLanguages) {
    int blankRows = 0;
    for (const BuiltinText& row : BuiltinTexts()) {
        SCOPED_TRACE(row.key);
        const std::string chinese = row.chinese;
        const std::string english = row.english;
        if (chinese == " " && english == " ") {
            ++blankRows;
            continue;
        }
        EXPECT_FALSE(chinese.empty());
        EXPECT_FALSE(english.empty());
        // A text equal to its key would show the key on screen.
        EXPECT_NE(chinese, row.key);
        EXPECT_NE(english, row.key);
        // Every Chinese text is valid GBK: no byte stands for itself (U+F740 to U+F7FF).
        const std::string utf8 = GbkToUtf8(chinese);
        for (const char* rawByte : {"\xEF\x9D", "\xEF\x9E", "\xEF\x9F"}) {
            EXPECT_EQ(utf8.find(rawByte), std::string::npos);
        }
    }
    EXPECT_EQ(blankRows, 2);
}

TEST(BuiltinTexts, WrittenLanguageFileStartsWithItsHeader) {
    char pattern[] = "/tmp/builtin_texts_test_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const std::filesystem::path dir = pattern;
    const auto file = dir / "Lx1Lang.txt";
    TLangList list;
    FillLangTable(list);
    ASSERT_FALSE(list.WriteLangFile(file.string()).has_value());
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove_all(dir);

    const auto firstEnd = bytes.find("\r\n");
    ASSERT_NE(firstEnd, std::string::npos);
    const auto secondEnd = bytes.find("\r\n", firstEnd + 2);
    ASSERT_NE(secondEnd, std::string::npos);
    EXPECT_EQ(firstEnd, 84u);
    EXPECT_EQ(secondEnd - firstEnd - 2, 149u);
    // Header, the single-space line, then one line per row: line breaks inside
    // texts are written as "///".
    std::size_t lines = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 3u + BuiltinTexts().size());
}

}  // namespace
}  // namespace dtu
