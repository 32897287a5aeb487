#include "settings/ini_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace dtu {
namespace {

TEST(IniValue, IntegersDecimalOrHexElseNothing) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    struct Row {
        const char* text;
        std::optional<std::int64_t> expected;
    };
    const Row rows[] = {
        {"0", 0},
        {"42", 42},
        {"-7", -7},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"$ff", 255},
        {" 12\t", 12},
        {"9223372036854775807", kMax},
        {"-9223372036854775808", kMin},
        {"$7FFFFFFFFFFFFFFF", kMax},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"+5", std::nullopt},
        {"-", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"0x-1", std::nullopt},
        {"$+1", std::nullopt},
        {"0x1G", std::nullopt},
        {"-0x1", std::nullopt},
        {"9223372036854775808", std::nullopt},
        {"-9223372036854775809", std::nullopt},
        {"$8000000000000000", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ParseIniInteger(row.text), row.expected);
    }
}

TEST(IniValue, EscapingOnlyTouchesBackslashCrLf) {
    struct Row {
        std::string value;
        std::string stored;
    };
    const Row rows[] = {
        {"\"CMNET\",\"\",\"\"", "\"CMNET\",\"\",\"\""},
        {"  spaces  ", "  spaces  "},
        {"a\r\nb\r\n", "a\\r\\nb\\r\\n"},
        {"C:\\new", "C:\\\\new"},
        {"\\", "\\\\"},
        {"\xD6\xD0\\\n", "\xD6\xD0\\\\\\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored);
        EXPECT_EQ(EscapeIniValue(row.value), row.stored);
        EXPECT_EQ(UnescapeIniValue(row.stored), row.value);
    }
}

TEST(IniValue, OneLineValuesReadOnlyTheDoubledBackslash) {
    struct Row {
        std::string stored;
        std::string value;
    };
    const Row rows[] = {
        {"C:\\\\new", "C:\\new"},  // as the tool writes a backslash
        {"C:\\new", "C:\\new"},    // as a hand types it
        {"a\\r\\n", "a\\r\\n"},    // typed, never a line end
        {"\xD6\xD0 x=y ", "\xD6\xD0 x=y "},
        {"end\\", "end\\"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.stored);
        EXPECT_EQ(UnescapeOneLineIniValue(row.stored), row.value);
    }
}

TEST(IniValue, HandWrittenBackslashesStayAsTheyAre) {
    EXPECT_EQ(UnescapeIniValue("a\\tb"), "a\\tb");
    EXPECT_EQ(UnescapeIniValue("end\\"), "end\\");
    EXPECT_EQ(UnescapeIniValue("\\\\n"), "\\n");
}

}  // namespace
}  // namespace dtu
