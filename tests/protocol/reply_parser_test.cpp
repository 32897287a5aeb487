#include "protocol/reply_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dtu {
namespace {

using namespace std::string_literals;
using Values = std::vector<ReplyValue>;

struct LineCase {
    std::string line;
    std::optional<ReplyValue> expected;
};

TEST(ParseReplyLineTest, NamesAndValuesOfReplyLines) {
    const LineCase rows[] = {
        {"+CIPR:115200", ReplyValue{"CIPR", "115200"}},
        {"+CIPSTART:1,\"TCP\",\"host\",2317,1", ReplyValue{"CIPSTART", "1,TCP,host,2317,1"}},
        {"+CIPSTART:2,\"UDP\",\"host2\", 502,0", ReplyValue{"CIPSTART", "2,UDP,host2,502,0"}},
        {"+CSTT:\"CMNET\",\"\",\"\"", ReplyValue{"CSTT", "CMNET,,"}},
        {"V3.3.8", ReplyValue{"CIVER", "3.3"}},
        {"V3.38", ReplyValue{"CIVER", "3.38"}},
        {"V3.V8", ReplyValue{"CIVER", "3.8"}},
        {"V3.99999999999999999999", ReplyValue{"CIVER", "3.99999999999999999999"}},
        {"OK", std::nullopt},
        {"AT+CIVER?", std::nullopt},
        {"V3", std::nullopt},
        {"V3.", std::nullopt},
        {"3.3.8", std::nullopt},
        {"v3.38", std::nullopt},
        {"+CIPR", std::nullopt},
        {"+:5", std::nullopt},
        {":+X", std::nullopt},
        // Without "+" the text before the first ":" is the name.
        {"CIPR:9600", ReplyValue{"CIPR", "9600"}},
        // Name bytes are kept as received; only the first ":" splits.
        {"+cIvEr:V3.38", ReplyValue{"cIvEr", "V3.38"}},
        {"+A B:x:y", ReplyValue{"A B", "x:y"}},
        {"x+CIPR:1", ReplyValue{"CIPR", "1"}},
        {"+HTPHD:\"a b\tc\"", ReplyValue{"HTPHD", "ab\tc"}},
        {"+CLOUDID:", ReplyValue{"CLOUDID", ""}},
    };
    for (const LineCase& row : rows) {
        EXPECT_EQ(ParseReplyLine(row.line), row.expected) << row.line;
    }
}

struct LinesCase {
    std::string block;
    std::vector<std::string> lines;
};

TEST(SplitReplyLinesTest, RunsBetweenCrLfWithQuotesKeepingThem) {
    const LinesCase rows[] = {
        {"\r\n+CIPR:115200\r\n\r\nOK\r\n", {"+CIPR:115200", "OK"}},
        {"a", {"a"}},
        {"\r\n\r\n\n\r", {}},
        {"", {}},
        {"x\ry\nz", {"x", "y", "z"}},
        {"+H:\"a\r\nb\"\r\nOK", {"+H:\"a\r\nb\"", "OK"}},
        {"+H:'a\r\nb'\r\nOK", {"+H:'a\r\nb'", "OK"}},
        {"+H:\"it's\r\nx\"\r\nOK", {"+H:\"it's\r\nx\"", "OK"}},
        {"+H:\"open\r\nOK\r\n", {"+H:\"open\r\nOK\r\n"}},
        {"+CIPR:9600\0\r\n+ICF:3,3\r\n"s, {"+CIPR:9600"}},
        {"\0OK"s, {}},
    };
    for (const LinesCase& row : rows) {
        EXPECT_EQ(SplitReplyLines(row.block), row.lines) << row.block;
    }
}

struct BlockCase {
    std::string name;
    std::string block;
    Values values;
};

class ParseReplyValuesTest : public testing::TestWithParam<BlockCase> {};

TEST_P(ParseReplyValuesTest, PairsUpToTheFirstLineWithoutName) {
    EXPECT_EQ(ParseReplyValues(GetParam().block), GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, ParseReplyValuesTest,
    testing::Values(
        BlockCase{"BaudReply", "\r\n+CIPR:115200\r\n\r\nOK\r\n", {{"CIPR", "115200"}}},
        BlockCase{"SocketReply",
                  "\r\n+CIPSTART:2,\"UDP\",\"host2\", 502,0\r\nOK\r\n",
                  {{"CIPSTART", "2,UDP,host2,502,0"}}},
        BlockCase{"SocketsAnswerInOrder",
                  "\r\n+CIPCFG:1,50,0,10,0,1800\r\n+CIPPACK:0,\"4C4F47\",0\r\n"
                  "+CIPSTART:1,\"TCP\",\"h\",2317,1\r\n+CIMOD:\"0\"\r\n\r\nOK\r\n",
                  {{"CIPCFG", "1,50,0,10,0,1800"},
                   {"CIPPACK", "0,4C4F47,0"},
                   {"CIPSTART", "1,TCP,h,2317,1"},
                   {"CIMOD", "0"}}},
        BlockCase{"VersionLine", "\r\nV3.3.8\r\nOK\r\n", {{"CIVER", "3.3"}}},
        BlockCase{"EchoFirstStopsTheParse", "AT+CIVER?\r\n\r\n+CIVER:V3.38\r\n\r\nOK\r\n", {}},
        BlockCase{"ShortVersionStops", "V3\r\n+CIPR:1\r\nOK\r\n", {}},
        BlockCase{"HeaderKeepsItsLineBreak",
                  "\r\n+HTPHD:\"Accept: x\r\nHost: y\"\r\nOK\r\n",
                  {{"HTPHD", "Accept:x\r\nHost:y"}}},
        BlockCase{"NulEndsTheBlock", "+CIPR:1\0+ICF:3,3\r\nOK\r\n"s, {{"CIPR", "1"}}},
        BlockCase{"OkOnly", "\r\nOK\r\n", {}}),
    [](const testing::TestParamInfo<BlockCase>& row) { return row.param.name; });

TEST(ParseReplyValuesTest, HostileBlocksEndWithoutFault) {
    const std::string longName = "+" + std::string(2000, 'N') + ":1";
    const std::string commas = "+CIPSTART:" + std::string(2030, ',');
    const std::string quotes(2048, '"');
    const std::string pluses(2048, '+');
    for (const std::string& block : {longName, commas, quotes, pluses}) {
        const Values values = ParseReplyValues(block);
        EXPECT_LE(values.size(), 1u);
    }
    EXPECT_EQ(ParseReplyValues(longName).at(0).name.size(), 2000u);
    EXPECT_EQ(ParseReplyValues(commas).at(0).value.size(), 2030u);
}

}  // namespace
}  // namespace dtu
