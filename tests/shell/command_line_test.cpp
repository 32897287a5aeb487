#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "shell/version_string.h"

namespace dtu {
namespace {

TEST(CommandLine, AnswersHelpAndVersionWithoutARun) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        std::optional<int> status;
        std::string begins;  // of the output
    };
    const Row rows[] = {
        {"no arguments: the windows", {}, std::nullopt, ""},
        {"Qt's own options pass", {"-platform", "offscreen"}, std::nullopt, ""},
        {"help", {"--help"}, 0, "Usage: dtuconfig "},
        {"short help", {"-h"}, 0, "Usage: dtuconfig "},
        {"version", {"--version"}, 0, "dtuconfig " + GetVersionString() + "\n"},
        {"among Qt's options", {"-style", "fusion", "--version"}, 0, "dtuconfig "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::ostringstream out;
        EXPECT_EQ(AnswerInfoOption(row.args, out), row.status);
        EXPECT_TRUE(out.str().starts_with(row.begins)) << out.str();
        EXPECT_EQ(out.str().empty(), !row.status.has_value());
    }
}

}  // namespace
}  // namespace dtu
