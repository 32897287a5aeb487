#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "form/reply_apply.h"
#include "protocol/reply_names.h"
#include "protocol/reply_parser.h"

namespace dtu {
namespace {

// A read all's value lines of a family-2 device in data transmission. The
// socket query reports socket 1 before the work mode that places it.
const std::vector<std::string> kReplies = {
    "V3.38",
    "+CIPR:57600",
    "+ICF:4,1",
    "+CIPCFG:1,51,0,12,0,1801",
    "+CIPPACK:0,\"4842\",1",
    "+CIPPACK:1,\"ABCD\",1",
    "+CIPSTART:2,\"UDP\",\"h2\",2,0",
    "+CIPSTART:3,\"TCP\",\"h3\",3,1",
    "+CIPSTART:4,\"UDP\",\"h4\",4,1",
    "+CINETAT:1",
    "+CICOMAT:1",
    "+CSTT:\"UNINET\",\"u\",\"p\"",
    "+CIPNUM:10086",
    "+CLOUDEN:ON",
    "+CLOUDID:777",
    "+CACHE:1",
    "+RESOC:91",
    "+HTPURL:/u",
    "+HTPHD:\"H: 1\r\nI: 2\"",
    "+HTPTP:POST",
};
const std::vector<std::string> kSocketOneThenWorkMode = {
    "+CIPSTART:1,\"UDP\",\"h1\",1,1",
    "+CIMOD:\"0\"",
};

// Every value of the form, as one text per field.
std::vector<std::string> Values(const FormModel& form) {
    std::vector<std::string> values;
    for (const FieldRow& row : FormFields()) {
        values.push_back(form.Text(row.field) + "|" + std::to_string(form.Item(row.field)) + "|" +
                         (form.Tick(row.field) ? "1" : "0"));
    }
    return values;
}

FormModel Applied(const std::vector<std::string>& lines) {
    FormModel form;
    for (const std::string& line : lines) {
        const auto reply = ParseReplyLine(line);
        EXPECT_TRUE(reply.has_value()) << line;
        EXPECT_TRUE(ApplyReply(form, *reply)) << line;
    }
    return form;
}

// A socket or packet number with a leading zero names the same one.
TEST(ReplyOrder, NumbersWithLeadingZerosNameTheSameSocketAndPacket) {
    const std::vector<std::string> padded = {"+CIPSTART:02,\"UDP\",\"h2\",2,0",
                                             "+CIPPACK:01,\"ABCD\",1"};
    const std::vector<std::string> plain = {"+CIPSTART:2,\"UDP\",\"h2\",2,0",
                                            "+CIPPACK:1,\"ABCD\",1"};
    EXPECT_EQ(Values(Applied(padded)), Values(Applied(plain)));
    EXPECT_EQ(ReplyKey(*ParseReplyLine(padded[0])), "CIPSTART,2");
}

// Each reply sets its own fields: the order of the lines does not change the
// form, wherever socket 1 and the work mode come among them.
TEST(ReplyOrder, RepliesSetTheSameFormInAnyOrder) {
    std::vector<std::string> lines = kReplies;
    lines.insert(lines.end(), kSocketOneThenWorkMode.begin(), kSocketOneThenWorkMode.end());
    const std::vector<std::string> expected = Values(Applied(lines));
    for (std::size_t shift = 0; shift < kReplies.size(); ++shift) {
        for (const bool reversed : {false, true}) {
            std::vector<std::string> order = kReplies;
            std::rotate(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(shift),
                        order.end());
            if (reversed) {
                std::reverse(order.begin(), order.end());
            }
            order.insert(order.begin() + static_cast<std::ptrdiff_t>(shift),
                         kSocketOneThenWorkMode.begin(), kSocketOneThenWorkMode.end());
            SCOPED_TRACE(std::to_string(shift) + (reversed ? " reversed" : ""));
            EXPECT_EQ(Values(Applied(order)), expected);
        }
    }
}

}  // namespace
}  // namespace dtu
