#include "protocol/firmware.h"

#include <gtest/gtest.h>

#include <string>

namespace dtu {
namespace {

struct VersionCase {
    std::string text;
    std::int64_t number;
    int family;
};

class FirmwareTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(FirmwareTest, NumberAndFamily) {
    EXPECT_EQ(VersionNumber(GetParam().text), GetParam().number);
    EXPECT_EQ(FirmwareFamily(GetParam().text), GetParam().family);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, FirmwareTest,
    ::testing::Values(
        VersionCase{"3.3", 303, 1}, VersionCase{"3.36", 336, 1}, VersionCase{"3.37", 337, 0},
        VersionCase{"V3.38", 338, 2}, VersionCase{"3.38", 338, 2}, VersionCase{"3.99", 399, 2},
        VersionCase{"4.00", 400, 0}, VersionCase{"3.3.8", 30308, 0}, VersionCase{"3.x", -1, 0},
        VersionCase{"", 0, 1}, VersionCase{"0.0", 0, 1}, VersionCase{"v3.38", 338, 2},
        VersionCase{" 3 . 38 ", 338, 2}, VersionCase{"3..38", 338, 2}, VersionCase{"3.-1", -1, 0},
        VersionCase{"-0.5", 5, 1}, VersionCase{"3.+38", 338, 2}, VersionCase{"$3.$26", 338, 2},
        VersionCase{"3.$xyz", -1, 0}, VersionCase{"3.$", -1, 0}, VersionCase{"3.0x26", -1, 0},
        VersionCase{"3.99999999999999999999", -1, 0}, VersionCase{"$FFFFFFFFFFFFFFFF", -1, 0},
        VersionCase{"999999999999999", 999999999999999, 0}, VersionCase{"1000000000000000", -1, 0},
        VersionCase{"100000000000.0.0", -1, 0},
        VersionCase{"99999999999.99.99", 999999999999999, 0},
        // Only the low 32 bits choose the family: 2^32 + 338.
        VersionCase{"4294967634", 4294967634, 2}, VersionCase{"3.38\"", -1, 0}));

TEST(FirmwareTest, ThousandPiecesGiveMinusOne) {
    std::string many;
    for (int i = 0; i < 1000; ++i) {
        many += "1.";
    }
    EXPECT_EQ(VersionNumber(many), -1);
    EXPECT_EQ(FirmwareFamily(many), 0);
}

}  // namespace
}  // namespace dtu
