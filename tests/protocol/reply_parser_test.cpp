#include "protocol/reply_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dtu {
namespace {

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

}  // namespace
}  // namespace dtu
