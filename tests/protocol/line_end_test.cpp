// The line-end rule of free text sent to the device.
#include <gtest/gtest.h>

#include "protocol/line_end.h"

namespace dtu {
namespace {

struct LineEndCase {
    const char* name;
    std::string text;
    LineEnd end;
    std::string sent;
};

const LineEndCase kCases[] = {
    {"EmptyStaysEmptyWithAnyEnd", "", LineEnd::CrLf, ""},
    {"AsTypedAddsNothing", "AT+CSQ", LineEnd::AsTyped, "AT+CSQ"},
    {"AsTypedSendsTypedLfAsCrLf", "AT+CSQ\n", LineEnd::AsTyped, "AT+CSQ\r\n"},
    {"AsTypedKeepsTypedCrLf", "AT+CSQ\r\n", LineEnd::AsTyped, "AT+CSQ\r\n"},
    {"AsTypedSendsLoneCrAsCrLf", "AT\rAT+CSQ", LineEnd::AsTyped, "AT\r\nAT+CSQ"},
    {"AsTypedKeepsEmptyLines", "\n\n", LineEnd::AsTyped, "\r\n\r\n"},
    {"CrEndsTheLine", "AT+CSQ", LineEnd::Cr, "AT+CSQ\r"},
    {"LfEndsTheLine", "AT+CSQ", LineEnd::Lf, "AT+CSQ\n"},
    {"CrLfEndsTheLine", "AT+CSQ", LineEnd::CrLf, "AT+CSQ\r\n"},
    {"ChosenEndReplacesTypedEnd", "AT+CSQ\r\n", LineEnd::Cr, "AT+CSQ\r"},
    {"ChosenEndEndsEveryLine", "AT\nAT+CSQ", LineEnd::Lf, "AT\nAT+CSQ\n"},
    {"CrLfTypedIsOneBreak", "AT\r\nATI", LineEnd::Cr, "AT\rATI\r"},
    {"TextBytesPassUnchanged", "\x01\xB2\xE2 \x1B", LineEnd::CrLf, "\x01\xB2\xE2 \x1B\r\n"},
};

class LineEndTest : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEndTest, BytesSent) {
    EXPECT_EQ(WithLineEnd(GetParam().text, GetParam().end), GetParam().sent);
}

INSTANTIATE_TEST_SUITE_P(Texts, LineEndTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LineEndNameTest, EveryChoiceReadsBackFromItsName) {
    for (const LineEndChoice& row : LineEndNames()) {
        EXPECT_EQ(ParseLineEnd(row.name), row.end) << row.name;
        EXPECT_STREQ(LineEndName(row.end), row.name);
    }
    EXPECT_EQ(ParseLineEnd("CRLF"), LineEnd::CrLf);
    EXPECT_EQ(ParseLineEnd("cr lf"), std::nullopt);
    EXPECT_EQ(ParseLineEnd(""), std::nullopt);
}

TEST(UnendedAtCommandTest, OnlyAnAtCommandWithoutAnyLineEnd) {
    EXPECT_TRUE(IsUnendedAtCommand("AT+CSQ"));
    EXPECT_TRUE(IsUnendedAtCommand("at"));
    EXPECT_FALSE(IsUnendedAtCommand("AT+CSQ\r"));
    EXPECT_FALSE(IsUnendedAtCommand("AT+CSQ\r\nAT"));
    EXPECT_FALSE(IsUnendedAtCommand("hello"));
    EXPECT_FALSE(IsUnendedAtCommand("A"));
}

}  // namespace
}  // namespace dtu
