#include "protocol/commands.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace dtu {
namespace {

TEST(CmdNameTest, OrdinalsNameTheDeviceCommands) {
    struct Row {
        int ordinal;
        const char* name;
    };
    const Row rows[] = {{0, "H"},        {3, "ENTM"},      {41, "SMSEND"},   {42, "CIVER"},
                        {43, "CIPR"},    {44, "ICF"},      {45, "CIPSCONT"}, {46, "CIPCFG"},
                        {49, "CIPNUM"},  {50, "CIPSTART"}, {55, "HTPTP"},    {58, "CLOUDID"},
                        {59, "CLOUDPA"}, {62, "RESOC"}};
    for (const Row& row : rows) {
        EXPECT_EQ(CmdName(static_cast<TCmd>(row.ordinal)), row.name) << row.ordinal;
    }
}

TEST(CmdNameTest, EveryNameRoundTripsInAnyCase) {
    for (int ordinal = 0; ordinal < kCmdCount; ++ordinal) {
        const auto cmd = static_cast<TCmd>(ordinal);
        const std::string name(CmdName(cmd));
        ASSERT_FALSE(name.empty()) << ordinal;
        EXPECT_EQ(CmdByName(name), cmd) << name;
        std::string lower = name;
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_EQ(CmdByName(lower), cmd) << lower;
    }
}

TEST(CmdByNameTest, TextsThatAreNoMemberGiveNone) {
    for (const char* text :
         {"CISMSSEND", "CIRELOAD", "", "CIVER ", " CIVER", "CIVE", "CIVERX", "C\xC3\x8DVER"}) {
        EXPECT_EQ(CmdByName(text), std::nullopt) << text;
    }
}

TEST(CmdByNameTest, MixedCaseFindsTheMember) {
    EXPECT_EQ(CmdByName("civer"), TCmd::CIVER);
    EXPECT_EQ(CmdByName("CipsCont"), TCmd::CIPSCONT);
}

}  // namespace
}  // namespace dtu
