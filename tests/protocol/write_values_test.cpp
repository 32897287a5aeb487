#include "protocol/write_values.h"

#include <gtest/gtest.h>

#include <string>

namespace dtu {
namespace {

TEST(CheckToDigitTest, TickIsOne) {
    EXPECT_EQ(CheckToDigit(true), "1");
    EXPECT_EQ(CheckToDigit(false), "0");
}

struct IcfCase {
    int dataBits;
    int stopBits;
    int parity;
    std::string code;
};

class IcfValueTest : public ::testing::TestWithParam<IcfCase> {};

TEST_P(IcfValueTest, FormatDigitCommaParityDigit) {
    const IcfCase& c = GetParam();
    EXPECT_EQ(IcfValue(c.dataBits, c.stopBits, c.parity), c.code);
}

// Items: data bits 0 "7", 1 "8"; stop bits 0 "1", 1 "2"; parity 0 NONE, 1 ODD, 2 EVEN.
INSTANTIATE_TEST_SUITE_P(
    EveryCombination, IcfValueTest,
    ::testing::Values(IcfCase{0, 0, 0, "5,3"}, IcfCase{0, 0, 1, "5,0"}, IcfCase{0, 0, 2, "5,1"},
                      IcfCase{0, 1, 0, "4,3"}, IcfCase{0, 1, 1, "4,0"}, IcfCase{0, 1, 2, "4,1"},
                      IcfCase{1, 0, 0, "3,3"}, IcfCase{1, 0, 1, "3,0"}, IcfCase{1, 0, 2, "3,1"},
                      IcfCase{1, 1, 0, "1,3"}, IcfCase{1, 1, 1, "1,0"}, IcfCase{1, 1, 2, "1,1"},
                      // Nothing selected in any box.
                      IcfCase{-1, 0, 0, "3,3"}, IcfCase{0, -1, 2, "3,1"}, IcfCase{1, 1, -1, "1,3"},
                      IcfCase{-1, -1, -1, "3,3"}, IcfCase{2, 0, 3, "3,3"}));

// Every code the tool writes reads back as the items it was written from.
TEST(IcfReplyTest, CodesReadBackAsTheirItems) {
    for (int dataBits = 0; dataBits < 2; ++dataBits) {
        for (int stopBits = 0; stopBits < 2; ++stopBits) {
            for (int parity = 0; parity < 3; ++parity) {
                const std::string code = IcfValue(dataBits, stopBits, parity);
                const auto format = IcfFormatItemsOf(code.substr(0, 1));
                ASSERT_TRUE(format.has_value()) << code;
                EXPECT_EQ(format->dataBitsItem, dataBits) << code;
                EXPECT_EQ(format->stopBitsItem, stopBits) << code;
                EXPECT_EQ(IcfParityItemOf(code.substr(2)), parity) << code;
            }
        }
    }
}

TEST(IcfReplyTest, CodesOutsideTheTablesGiveNothing) {
    for (const char* code : {"", "0", "2", "6", "33", "a", "-1"}) {
        EXPECT_FALSE(IcfFormatItemsOf(code).has_value()) << code;
    }
    for (const char* code : {"", "2", "4", "00", "x"}) {
        EXPECT_FALSE(IcfParityItemOf(code).has_value()) << code;
    }
}

TEST(PacketHexTextTest, TickedBoxMeansTheTextIsAlreadyHex) {
    EXPECT_EQ(PacketHexText("LOG", false), "4C4F47");
    EXPECT_EQ(PacketHexText("LOG", true), "LOG");
}

TEST(FormatValueTest, PlaceholdersTakeArgumentsVerbatim) {
    EXPECT_EQ(FormatValue("1,%s,0,%s,0,%s", {"50", "10", "1800"}), "1,50,0,10,0,1800");
    EXPECT_EQ(FormatValue("%d,\"%s\",\"%s\", %s,%s", {"2", "TCP", "", "", "0"}),
              "2,\"TCP\",\"\", ,0");
    EXPECT_EQ(FormatValue("0,\"%s\",\"%d\"", {"%d%s", "-1"}), "0,\"%d%s\",\"-1\"");
    EXPECT_EQ(FormatValue("100%", {}), "100%");
}

}  // namespace
}  // namespace dtu
