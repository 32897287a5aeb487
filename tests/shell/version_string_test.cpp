#include "shell/version_string.h"

#include <gtest/gtest.h>

#include <regex>

namespace dtu {
namespace {

TEST(VersionString, IsFourNumbersWithoutLeadingZeros) {
    EXPECT_TRUE(
        std::regex_match(GetVersionString(), std::regex(R"((0|[1-9]\d*)(\.(0|[1-9]\d*)){3})")))
        << GetVersionString();
}

}  // namespace
}  // namespace dtu
