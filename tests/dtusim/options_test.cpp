#include "tools/dtusim/sim_options.h"

#include <gtest/gtest.h>

namespace dtu::sim {
namespace {

using std::chrono::milliseconds;

TEST(Options, ReadsEveryOption) {
    Options options;
    std::string error;
    ASSERT_TRUE(ParseOptions(
        {"--link", "/tmp/x", "--firmware", "3.36", "--echo", "--data-mode", "--silent-on",
         "AT+CIVER?:3", "--silent-on", "+++", "--split", "AT+CIPSCONT?:500", "--split", "AT+CIPR?"},
        options, error))
        << error;
    EXPECT_EQ(options.link, "/tmp/x");
    EXPECT_EQ(options.firmware, "3.36");
    EXPECT_TRUE(options.echo);
    EXPECT_TRUE(options.dataMode);
    EXPECT_EQ(options.silentOn,
              (std::vector<std::pair<std::string, int>>{{"AT+CIVER?", 3}, {"+++", 1}}));
    EXPECT_EQ(options.splitOn,
              (std::vector<std::pair<std::string, milliseconds>>{
                  {"AT+CIPSCONT?", milliseconds(500)}, {"AT+CIPR?", kDefaultSplitPause}}));
}

TEST(Options, ReadsEveryFault) {
    Options options;
    std::string error;
    ASSERT_TRUE(ParseOptions({"--error-on", "AT+CIPPACK:2", "--error-on", "AT+CIVER?",
                              "--hangup-after", "5", "--silent-after", "0", "--noise", "250",
                              "--trickle", "20", "--no-line-end", "--nul-line-end"},
                             options, error))
        << error;
    EXPECT_EQ(options.errorOn,
              (std::vector<std::pair<std::string, int>>{{"AT+CIPPACK", 2}, {"AT+CIVER?", 1}}));
    EXPECT_EQ(options.hangUpAfter, 5);
    EXPECT_EQ(options.silentAfter, 0);
    EXPECT_EQ(options.noise, milliseconds(250));
    EXPECT_EQ(options.trickle, milliseconds(20));
    EXPECT_TRUE(options.noLineEnd);
    EXPECT_TRUE(options.nulLineEnd);
}

TEST(Options, ColonWithoutNumberBelongsToTheLine) {
    Options options;
    std::string error;
    ASSERT_TRUE(ParseOptions({"--silent-on", "AT+HTPURL=http://x", "--silent-on", "AT+X=1:2"},
                             options, error));
    EXPECT_EQ(options.silentOn,
              (std::vector<std::pair<std::string, int>>{{"AT+HTPURL=http://x", 1}, {"AT+X=1", 2}}));
}

TEST(Options, RefusesWhatItCannotUse) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--link"},
                                               {"--firmware", "V3.38"},
                                               {"--bogus"},
                                               {"--split"},
                                               {"--hangup-after", "x"},
                                               {"--silent-after", "-1"},
                                               {"--noise", "0"},
                                               {"--trickle"}}) {
        Options options;
        std::string error;
        EXPECT_FALSE(ParseOptions(args, options, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(Options, PrintableShowsControlBytes) {
    EXPECT_EQ(Printable(std::string("OK\r\n\0\x1b\\", 7)), "OK\\r\\n\\x00\\x1B\\\\");
}

}  // namespace
}  // namespace dtu::sim
