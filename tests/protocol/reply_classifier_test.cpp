#include "protocol/reply_classifier.h"

#include <gtest/gtest.h>

#include <string>

namespace dtu {
namespace {

using namespace std::string_literals;

struct ClassCase {
    std::string block;
    ReplyKind kind;
};

TEST(ClassifyReplyTest, SuccessErrorOrOther) {
    const ClassCase rows[] = {
        {"\r\nOK\r\n", ReplyKind::Success},
        {"\r\n+CIPR:115200\r\n\r\nOK\r\n", ReplyKind::Success},
        {"\r\n+OK\r\n", ReplyKind::Success},
        {"a", ReplyKind::Success},
        {"\r\n+ok\r\n", ReplyKind::Success},
        {"+ok", ReplyKind::Other},
        {"OK", ReplyKind::Other},
        {"\r\nok\r\n", ReplyKind::Other},
        {"a\r\n", ReplyKind::Other},
        {"A", ReplyKind::Other},
        {"\r\n+ok\r\n\r\n", ReplyKind::Other},
        {"AT+CIVER?\r\n", ReplyKind::Other},
        {"", ReplyKind::Other},
        {"\r\nERROR\r\n", ReplyKind::Error},
        {"+CME ERROR: 4", ReplyKind::Error},
        {"UNKNOWN COMMAND", ReplyKind::Error},
        {"error", ReplyKind::Other},
        // Success is tested first.
        {"\r\nERROR\r\n\r\nOK\r\n", ReplyKind::Success},
        {"\0\r\nOK\r\n"s, ReplyKind::Success},
        {"ERR\0OR"s, ReplyKind::Other},
    };
    for (const ClassCase& row : rows) {
        EXPECT_EQ(ClassifyReply(row.block), row.kind) << row.block;
    }
}

}  // namespace
}  // namespace dtu
