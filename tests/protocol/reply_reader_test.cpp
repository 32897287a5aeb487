#include "protocol/reply_reader.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace dtu {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

struct AnswerCase {
    const char* name;
    std::string sent;
    Lines receives;  // each one receive of the port
    // The receive that completes the answer (-1: none does) and the answer.
    int completedBy;
    Lines lines;
    std::string final;
    bool refused;
};

TEST(ReplyReaderTest, AnAnswerEndsAtItsFinalLineHoweverItArrives) {
    const std::string query = "AT+CIPR?\r\n";
    const AnswerCase rows[] = {
        {"whole", query, {"\r\n+CIPR:115200\r\n\r\nOK\r\n"}, 0, {"+CIPR:115200"}, "OK", false},
        {"echo in the same receive",
         query,
         {"AT+CIPR?\r\n\r\n+CIPR:115200\r\n\r\nOK\r\n"},
         0,
         {"+CIPR:115200"},
         "OK",
         false},
        {"echo as its own receive",
         query,
         {"AT+CIPR?\r\n", "\r\n+CIPR:115200\r\n\r\nOK\r\n"},
         1,
         {"+CIPR:115200"},
         "OK",
         false},
        {"unsolicited line first",
         query,
         {"\r\nCall Ready\r\n", "\r\n+CIPR:9600\r\nOK\r\n"},
         1,
         {"Call Ready", "+CIPR:9600"},
         "OK",
         false},
        {"split at every line boundary",
         query,
         {"\r\n", "+CIPR:115200", "\r\n", "\r\n", "O", "K\r", "\n"},
         5,
         {"+CIPR:115200"},
         "OK",
         false},
        {"value without its final line", query, {"\r\n+CIPR:115200\r\n"}, -1, {}, "", false},
        {"refusal", query, {"\r\n+CME ERROR: 4\r\n"}, 0, {}, "+CME ERROR: 4", true},
        {"refusal then OK", query, {"\r\nERROR\r\n\r\nOK\r\n"}, 0, {}, "ERROR", true},
        {"OK then refusal in one burst", query, {"\r\nOK\r\n\r\nERROR\r\n"}, 0, {}, "ERROR", true},
        {"unknown command", query, {"\r\nUNKNOWN\r\n"}, 0, {}, "UNKNOWN", true},
        {"ok in lower case is no final line", query, {"\r\nok\r\n"}, -1, {}, "", false},
        {"line end inside quotes",
         "AT+HTPHD?\r\n",
         {"\r\n+HTPHD:\"Accept: x\r\nOK\r\nHost: y\"\r\nOK\r\n"},
         0,
         {"+HTPHD:\"Accept: x\r\nOK\r\nHost: y\""},
         "OK",
         false},
        {"apostrophe in a value",
         "AT+CLOUDID?\r\n",
         {"\r\n+CLOUDID:ab'c\r\n", "\r\nOK\r\n"},
         1,
         {"+CLOUDID:ab'c"},
         "OK",
         false},
        {"double quote left open",
         "AT+HTPHD?\r\n",
         {"\r\n+HTPHD:\"abc\r\nd\r\n", "ERROR\r\n"},
         1,
         {"+HTPHD:\"abc", "d"},
         "ERROR",
         true},
        {"UNKNOW inside a value",
         "AT+HTPURL?\r\n",
         {"\r\n+HTPURL:/api/UNKNOWN\r\n\r\nOK\r\n"},
         0,
         {"+HTPURL:/api/UNKNOWN"},
         "OK",
         false},
        {"bare answer to the escape", "+++", {"a"}, 0, {}, "a", false},
        {"answer to a", "a", {"\r\n+ok\r\n"}, 0, {}, "+ok", false},
        {"echo of a", "a", {"a"}, 0, {}, "a", false},
        {"+ok without its line end", "a", {"+ok"}, -1, {}, "", false},
        {"a bare a answers only the escape", query, {"a"}, -1, {}, "", false},
        {"no line end", query, {"\r\n+CIPR:115200\r\n\r\nOK"}, -1, {}, "", false},
    };
    for (const AnswerCase& row : rows) {
        ReplyReader reader;
        reader.Expect(row.sent);
        std::optional<Response> answer;
        int completedBy = -1;
        for (std::size_t i = 0; i < row.receives.size() && !answer; ++i) {
            answer = reader.Feed(row.receives[i]);
            completedBy = answer ? static_cast<int>(i) : -1;
        }
        EXPECT_EQ(completedBy, row.completedBy) << row.name;
        if (!answer) {
            EXPECT_TRUE(reader.Expecting()) << row.name;
            continue;
        }
        EXPECT_EQ(answer->lines, row.lines) << row.name;
        EXPECT_EQ(answer->final, row.final) << row.name;
        EXPECT_EQ(answer->refused, row.refused) << row.name;
        EXPECT_FALSE(reader.Expecting()) << row.name;
        std::string all;
        for (int i = 0; i <= row.completedBy; ++i) {
            all += row.receives[static_cast<std::size_t>(i)];
        }
        EXPECT_EQ(answer->bytes, all) << row.name;
    }
}

TEST(ReplyReaderTest, AnAnswerPastItsBoundIsDiscardedUpToItsFinalLine) {
    ReplyReader reader;
    reader.Expect("AT+CIPSCONT?\r\n");
    for (std::size_t fed = 0; fed <= 2 * kAnswerBound; fed += 2048) {
        ASSERT_FALSE(reader.Feed("\r\n+CIPNUM:" + std::string(2038, '1'))) << fed;
    }
    EXPECT_EQ(reader.Pending().size(), kAnswerBound);
    const std::optional<Response> answer = reader.Feed("\r\nOK\r\n");
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->tooLong && answer->lines.empty());
    EXPECT_EQ(answer->final, "OK");
}

TEST(ReplyReaderTest, ReadableMeansGbkWithoutNul) {
    EXPECT_TRUE(IsReadableReply("\r\n+HTPURL:/\xCA\xFD\xBE\xDD\r\nOK\r\n"));  // "/数据"
    EXPECT_TRUE(IsReadableReply("\r\nOK\r\n"));
    EXPECT_FALSE(IsReadableReply("\r\0\nOK\r\0\n"s));
    EXPECT_FALSE(IsReadableReply("\r\n+CIPR:\x80\r\nOK\r\n"));
    EXPECT_FALSE(IsReadableReply("\r\n+CIPR:\xFF\xFF\r\nOK\r\n"));
    EXPECT_FALSE(IsReadableReply("+CIPR:\xCA"));  // a lead byte without its trail
    EXPECT_TRUE(IsPlainText("\r\n+HTPHD:\"a\tb\xD6\xD0\"\r\n"));
    EXPECT_FALSE(IsPlainText("\r\n\x1b[2J"));
    EXPECT_FALSE(IsPlainText("~~\x7f"));
}

}  // namespace
}  // namespace dtu
