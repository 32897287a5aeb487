#include "protocol/text_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dtu {
namespace {

using namespace std::string_literals;

struct Conversion {
    std::string input;
    std::string expected;
};

TEST(StrToHexTextTest, EachByteBecomesTwoUpperCaseDigits) {
    const Conversion rows[] = {
        {"", ""},
        {"\n", "0A"},
        {"LOG", "4C4F47"},
        {"LOGIN:1001", "4C4F47494E3A31303031"},
        {"\xD6\xD0", "D6D0"},  // one GBK character
        {"\0\xFF"s, "00FF"},
    };
    for (const Conversion& row : rows) {
        EXPECT_EQ(StrToHexText(row.input), row.expected) << row.input;
    }
}

TEST(HexTextToStrTest, PairsBecomeBytesOrTheInputStays) {
    const Conversion rows[] = {
        {"", ""},           {"41", "A"},       {"4", ""},           {"4G", "4G"},
        {"414G", "414G"},   {"4C4F47", "LOG"}, {"4c4f47", "LOG"},   {"4C4F4", "LO"},
        {"4C 4F", "4C 4F"}, {"+41", "+41"},    {"00FF", "\0\xFF"s}, {"0x41", "0x41"},
    };
    for (const Conversion& row : rows) {
        EXPECT_EQ(HexTextToStr(row.input), row.expected) << row.input;
    }
}

TEST(HexTextToStrTest, RoundTripsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(HexTextToStr(StrToHexText(all)), all);
}

TEST(SubTextTest, InclusiveOneBasedRangeOrEmpty) {
    struct Row {
        int first;
        int last;
        std::string expected;
    };
    const std::string text = "+CIPR:115200";
    const Row rows[] = {{2, 5, "CIPR"}, {1, 0, ""}, {1, 13, ""}, {7, 12, "115200"}, {1, 1, "+"},
                        {5, 4, ""},     {0, 3, ""}, {-3, 2, ""}, {12, 12, "0"}};
    for (const Row& row : rows) {
        EXPECT_EQ(SubText(text, row.first, row.last), row.expected)
            << row.first << ".." << row.last;
    }
}

TEST(DeletionTest, RemovesOnlyTheNamedBytes) {
    EXPECT_EQ(DelCrLf("a\rb\nc\r\n"), "a\rb\nc");
    EXPECT_EQ(DelCrLf("\r\r\n\n"), "\r\n");
    EXPECT_EQ(DelCrLf("12\r\n34\r\n"), "1234");
    EXPECT_EQ(DelSpaces(" 1, 2 "), "1,2");
    EXPECT_EQ(DelSpaces("a\tb"), "a\tb");
    EXPECT_EQ(DelQuotes("\"CMNET\",\"\",\"\""), "CMNET,,");
    EXPECT_EQ(DelQuotes("it's"), "it's");
}

TEST(QuoteTextTest, WrapsInDoubleQuotesWithoutEscaping) {
    EXPECT_EQ(QuoteText(""), "\"\"");
    EXPECT_EQ(QuoteText("1"), "\"1\"");
    EXPECT_EQ(QuoteText("a\"b"), "\"a\"b\"");
}

struct CommaCase {
    std::string input;
    std::vector<std::string> items;
};

class CommaTextToListTest : public testing::TestWithParam<CommaCase> {};

TEST_P(CommaTextToListTest, SplitsByCommaTextRules) {
    EXPECT_EQ(CommaTextToList(GetParam().input), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommaTextToListTest,
    testing::Values(CommaCase{"a,b", {"a", "b"}}, CommaCase{"a,,b", {"a", "", "b"}},
                    CommaCase{"a,", {"a", ""}}, CommaCase{",a", {"", "a"}},
                    CommaCase{"a b", {"a", "b"}}, CommaCase{"", {}}, CommaCase{"0", {"0"}},
                    CommaCase{"1,TCP,host,2317,1", {"1", "TCP", "host", "2317", "1"}},
                    CommaCase{"CMNET,,", {"CMNET", "", ""}}, CommaCase{"  a , b  ", {"a", "b"}},
                    CommaCase{"a, ", {"a"}}, CommaCase{"\"x,y\",z", {"x,y", "z"}},
                    CommaCase{"\"say \"\"hi\"\"\"", {"say \"hi\""}},
                    CommaCase{"\"open,end", {"open,end"}}, CommaCase{"\"a\"b", {"a", "b"}},
                    CommaCase{",", {"", ""}}, CommaCase{"a\tb\r\nc", {"a", "b", "c"}}));

TEST(CommaTextToListTest, ThousandsOfCommasGiveOneMoreItem) {
    const std::string commas(5000, ',');
    const std::vector<std::string> items = CommaTextToList(commas);
    ASSERT_EQ(items.size(), 5001u);
    EXPECT_TRUE(items.front().empty());
    EXPECT_TRUE(items.back().empty());
}

}  // namespace
}  // namespace dtu
