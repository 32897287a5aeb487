#include "lang/lang_list.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "lang/same_text.h"
#include "tests/lang/test_support.h"

namespace dtu {
namespace {

using testing::ScopedEnv;
using testing::TempDir;
using testing::WriteBytes;

const std::string kMenuFileChinese = "\xCE\xC4\xBC\xFE(&F)";

// Built-in rows, then a language file whose rows come first in every search.
class LangListLookup : public ::testing::Test {
protected:
    void SetUp() override {
        list_.AddText("lang_Menu_File", kMenuFileChinese, "File(&F)");
        list_.AddText("one", "yi", "two");
        list_.AddText("two", "er", "Two in English");
        list_.AddText("lang_Over", "builtin-cn", "Builtin");
        list_.AddText("lang_BDup", "b1", "Built-in first");
        list_.AddText("lang_BDup", "b2", "Built-in second");
        list_.AddText("lang_Gbk", "\xB0\x41", "Upper trail");
        WriteBytes(dir_ / "lang.txt",
                   ";comment\r\n \r\nlang_Over|file-cn|From file\r\n"
                   "lang_FDup|f1|File first\r\nlang_FDup|f2|File second\r\n");
        list_.ReadLangFile(dir_ / "lang.txt");
    }

    TempDir dir_;
    TLangList list_;
};

TEST_F(LangListLookup, FindsByKeyThenChineseThenEnglish) {
    struct Row {
        const char* name;
        std::string lookup;
        bool chinese;
        std::string expected;
    };
    const Row rows[] = {
        {"key", "lang_Menu_File", false, "File(&F)"},
        {"key_chinese", "lang_Menu_File", true, kMenuFileChinese},
        {"key_upper_case", "LANG_MENU_FILE", false, "File(&F)"},
        {"key_lower_case", "lang_menu_file", true, kMenuFileChinese},
        {"english_gives_chinese", "File(&F)", true, kMenuFileChinese},
        {"english_other_case", "file(&f)", true, kMenuFileChinese},
        {"chinese_gives_english", kMenuFileChinese, false, "File(&F)"},
        {"key_beats_earlier_english", "two", false, "Two in English"},
        {"file_hides_built_in", "lang_Over", false, "From file"},
        {"built_in_text_still_found", "Builtin", true, "builtin-cn"},
        {"first_of_two_in_file", "lang_FDup", false, "File first"},
        {"first_of_two_built_in", "lang_BDup", true, "b1"},
        {"gbk_trail_compares_exactly", "\xB0\x61", false, "\xB0\x61"},
        {"gbk_text_found", "\xB0\x41", false, "Upper trail"},
        {"unknown_key", "lang_Nowhere", true, "lang_Nowhere"},
        {"prefix_is_no_match", "lang_Menu", false, "lang_Menu"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        list_.IsChinese = row.chinese;
        EXPECT_EQ(list_.GetText(row.lookup), row.expected);
    }
}

TEST_F(LangListLookup, RowsAddedAfterALookupAreFound) {
    EXPECT_EQ(list_.GetText("lang_Later"), "lang_Later");
    list_.AddText("lang_Later", "later-cn", "Later");
    list_.AddText("lang_Menu_File", "second-cn", "Second");
    EXPECT_EQ(list_.GetText("LANG_LATER"), "Later");
    EXPECT_EQ(list_.GetText("lang_Menu_File"), "File(&F)");
}

TEST_F(LangListLookup, CountsBuiltInAndFileRows) {
    EXPECT_EQ(list_.BuiltInCount(), 7u);
    EXPECT_EQ(list_.FileCount(), 4u);  // the single-space line is an entry
}

TEST(SameText, FoldsAsciiLettersOnly) {
    EXPECT_TRUE(SameText("AbC-1", "aBc-1"));
    EXPECT_FALSE(SameText("abc", "abcd"));
    EXPECT_FALSE(SameText("[", "{"));  // '[' + 32 is '{', not a letter pair
    EXPECT_FALSE(SameText("\xB0\x41", "\xB0\x61"));
    EXPECT_TRUE(SameText("\xD6\xD0X", "\xD6\xD0x"));
}

// The hashed lookups rest on this: two texts fold alike exactly when SameText
// finds them equal.
TEST(FoldedText, EqualExactlyWhenSameText) {
    const std::pair<std::string, std::string> pairs[] = {
        {"AbC-1", "aBc-1"},
        {"[", "{"},
        {"@", "`"},
        {"\xB0\x41", "\xB0\x61"},
        {"\xD6\xD0X", "\xD6\xD0x"},
        {"a\xB0", "A\xB0"},
        {"\xB0", "\xB1"},
        {"\xB0\x41Z", "\xB0\x41z"},
        {"Z\xB0\x41", "z\xB0\x61"},
        {"abc", "abcd"},
        {"", ""},
    };
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(a + " / " + b);
        EXPECT_EQ(FoldedText(a) == FoldedText(b), SameText(a, b));
    }
    EXPECT_EQ(FoldedText("Lang_Menu_FILE\xB0\x41"), "lang_menu_file\xB0\x41");
}

TEST(UpperText, RaisesAsciiLettersOnly) {
    EXPECT_EQ(UpperText("udp"), "UDP");
    EXPECT_EQ(UpperText("odd-1{"), "ODD-1{");
    // The trail byte 0x61 of a GBK character is not the letter a.
    EXPECT_EQ(UpperText("a\xB0\x61z"), "A\xB0\x61Z");
    EXPECT_EQ(UpperText("\xB0"), "\xB0");
}

TEST(GetText, ReturnsKeyWithoutRowsAndTextWithOne) {
    TLangList list;
    EXPECT_EQ(list.GetText("lang_Menu_File"), "lang_Menu_File");
    list.AddText("lang_Menu_File", kMenuFileChinese, "File(&F)");
    EXPECT_EQ(list.GetText("LANG_MENU_FILE"), "File(&F)");
    list.IsChinese = true;
    EXPECT_EQ(list.GetText("lang_Menu_File"), kMenuFileChinese);
    EXPECT_EQ(list.GetTextIn("lang_Menu_File", false), "File(&F)");
}

TEST(SystemIsChinese, FirstSetLocaleVariableDecides) {
    struct Row {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        bool expected;
    };
    const Row rows[] = {
        {"zh_CN.UTF-8", nullptr, nullptr, true},
        {nullptr, "zh_TW", "en_US.UTF-8", true},
        {"", "", "zh_HK.GBK", true},
        {nullptr, nullptr, "zh_SG", true},
        {"en_US.UTF-8", "zh_CN", "zh_CN", false},
        {nullptr, "en_GB", "zh_CN", false},
        {"C", nullptr, "zh_CN", false},
        {nullptr, nullptr, nullptr, false},
        {nullptr, nullptr, "z", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.lcAll ? row.lcAll : "-") + "/" +
                     (row.lcMessages ? row.lcMessages : "-") + "/" + (row.lang ? row.lang : "-"));
        const auto value = [](const char* v) {
            return v != nullptr ? std::optional<std::string>(v) : std::nullopt;
        };
        ScopedEnv lcAll("LC_ALL", value(row.lcAll));
        ScopedEnv lcMessages("LC_MESSAGES", value(row.lcMessages));
        ScopedEnv lang("LANG", value(row.lang));
        EXPECT_EQ(SystemIsChinese(), row.expected);
    }
}

}  // namespace
}  // namespace dtu
