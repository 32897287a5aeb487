#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dtu {
namespace {

struct Write {
    std::string section, key, stored;
};

// Each row: a file, the writes made to it, and the exact file that results.
TEST(IniDocument, WritesChangeOnlyTheirLine) {
    struct Row {
        const char* name;
        std::string before;
        std::vector<Write> writes;
        std::string after;
    };
    const std::string windowsFile =
        "; settings\r\n[COM]\r\nComName = COM3\r\nMine=kept\r\n\r\n[SYS]\r\nLang=1\r\n";
    const Row rows[] = {
        {"new_file",
         "",
         {{"COM", "ComName", "COM1"}, {"COM", "BaudRate", "115200"}},
         "[COM]\nComName=COM1\nBaudRate=115200\n"},
        {"replace_keeps_name_and_rest",
         windowsFile,
         {{"com", "COMNAME", "COM9"}},
         "; settings\r\n[COM]\r\nComName =COM9\r\nMine=kept\r\n\r\n[SYS]\r\nLang=1\r\n"},
        {"append_at_end_of_section",
         windowsFile,
         {{"COM", "Stop", "1"}},
         "; settings\r\n[COM]\r\nComName = COM3\r\nMine=kept\r\nStop=1\r\n\r\n[SYS]\r\n"
         "Lang=1\r\n"},
        {"append_section",
         windowsFile,
         {{"STM", "TelNo", "10086"}},
         windowsFile + "[STM]\r\nTelNo=10086\r\n"},
        {"no_final_newline", "[A]\nk=1", {{"A", "j", "2"}}, "[A]\nk=1\nj=2\n"},
        {"empty_section", "[A]\n; note\n[B]\n", {{"a", "k", "v"}}, "[A]\nk=v\n; note\n[B]\n"},
        {"first_duplicate_replaced", "[A]\nk=1\nk=2\n", {{"A", "K", "3"}}, "[A]\nk=3\nk=2\n"},
        {"first_section_of_two",
         "[A]\nx=1\n[B]\n[A]\ny=2\n",
         {{"A", "z", "3"}},
         "[A]\nx=1\nz=3\n[B]\n[A]\ny=2\n"},
        {"keys_before_sections_are_apart", "k=0\n[A]\n", {{"A", "k", "1"}}, "k=0\n[A]\nk=1\n"},
        {"comment_lookalike_untouched",
         "[A]\n;k=1\n#k=2\n",
         {{"A", "k", "3"}},
         "[A]\nk=3\n;k=1\n#k=2\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        IniDocument document(row.before);
        for (const auto& write : row.writes) {
            document.SetStoredValue(write.section, write.key, write.stored);
        }
        EXPECT_EQ(document.Text(), row.after);
    }
}

TEST(IniDocument, FindsValuesByNameIgnoringCaseAndBlanks) {
    const IniDocument document(
        "[COM]\r\n  ComName\t= COM3 \r\nEmpty=\r\nx=a=b\r\n[ Dtm ]\r\nIP1=host\r\nbad line\r\n");
    EXPECT_EQ(document.StoredValue("com", "comname"), " COM3 ");
    EXPECT_EQ(document.StoredValue("COM", "Empty"), "");
    EXPECT_EQ(document.StoredValue("COM", "x"), "a=b");
    EXPECT_EQ(document.StoredValue("DTM", "ip1"), "host");
    EXPECT_EQ(document.StoredValue("COM", "IP1"), std::nullopt);
    EXPECT_EQ(document.StoredValue("DTM", "bad line"), std::nullopt);
    EXPECT_EQ(document.StoredValue("HCM", "IP"), std::nullopt);
    EXPECT_EQ(document.LineNumber("com", "COMNAME"), 2u);
    EXPECT_EQ(document.LineNumber("DTM", "IP1"), 6u);
    EXPECT_EQ(document.LineNumber("DTM", "bad line"), std::nullopt);
}

TEST(IniDocument, KeyNamesAreTheKeysOfSectionsInFileOrder) {
    const IniDocument document("k=0\n[COM]\r\n ComName = x\r\n;c=1\r\n[ Dtm ]\nIP1=h\nIP1=i\n");
    std::vector<std::string> names;
    for (const auto& name : document.KeyNames()) {
        names.push_back(name.section + "/" + name.key);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"COM/ComName", "Dtm/IP1", "Dtm/IP1"}));
}

TEST(IniDocument, DuplicatedKeysNameTheLineThatCountsAndTheLaterOne) {
    struct Row {
        const char* name;
        std::string text;
        std::vector<IniDuplicatedKey> duplicates;
    };
    const Row rows[] = {
        {"none", "[COM]\nA=1\nB=2\n[DTM]\nA=3\n", {}},
        {"same_section", "[DTM]\nIP1=a\nPort1=1\nIP1=b\n", {{"DTM", "IP1", 2, 4}}},
        {"other_case_and_blanks", "[DTM]\r\nip1=a\r\n  IP1 =b\r\n", {{"DTM", "IP1", 2, 3}}},
        {"section_named_again", "[DTM]\nIP1=a\n[COM]\nA=1\n[dtm]\nIP1=b\n", {{"dtm", "IP1", 2, 6}}},
        {"three_times", "[S]\nk=1\nk=2\n;k=x\nk=3\n", {{"S", "k", 2, 3}, {"S", "k", 2, 5}}},
        {"before_any_section", "k=1\nk=2\n[S]\nk=3\n", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(IniDocument(row.text).DuplicatedKeys(), row.duplicates);
    }
}

}  // namespace
}  // namespace dtu
