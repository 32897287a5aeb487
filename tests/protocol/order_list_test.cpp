#include "protocol/order_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dtu {
namespace {

using Lines = std::vector<std::string>;

TEST(OrderListTest, LineFormsHaveExactBytes) {
    OrderList list;
    list.AddQueryOrder("CIVER");
    list.AddSetOrder("CSTT", "CMNET");
    list.AddExecOrder("CIRESET");
    list.AddAtOrder("ENTM");
    list.AddRawOrder("+++");
    list.AddSetOrder("CSTT", "\"CMNET\",\"\",\"\"");
    EXPECT_EQ(list.Lines(), (Lines{"AT+CIVER?\r\n", "AT+CSTT=CMNET\r\n", "AT+CIRESET\r\n",
                                   "AT+ENTM\r\n", "+++", "AT+CSTT=\"CMNET\",\"\",\"\"\r\n"}));
    EXPECT_EQ(list.GetOrder(0).size(), 11u);
}

TEST(OrderListTest, SetByMemberUsesItsName) {
    OrderList list;
    list.AddSetOrderCmd(static_cast<TCmd>(45), "1");
    list.AddSetOrderCmd(static_cast<TCmd>(46), "2");
    EXPECT_EQ(list.Lines(), (Lines{"AT+CIPSCONT=1\r\n", "AT+CIPCFG=2\r\n"}));
}

TEST(OrderListTest, GetOrderOutsideTheListIsEmpty) {
    OrderList list;
    list.AddRawOrder("a");
    EXPECT_EQ(list.GetOrder(list.OrderCount()), "");
    EXPECT_EQ(list.GetOrder(-1), "");
    EXPECT_EQ(list.GetOrder(1LL << 40), "");
    EXPECT_EQ(list.OrderCount(), 1);
}

TEST(OrderListTest, ClearOrdersEmptiesAndResetsTheIndex) {
    OrderList list;
    list.AddQueryOrder("CIVER");
    list.AddQueryOrder("CIPR");
    list.Advance();
    list.ClearOrders();
    EXPECT_EQ(list.OrderCount(), 0);
    EXPECT_EQ(list.Index(), 0);
}

struct EnterCfgCase {
    const char* name;
    Lines before;
    int index;
    Lines after;
};

class InsertEnterCfgOrdersTest : public testing::TestWithParam<EnterCfgCase> {};

TEST_P(InsertEnterCfgOrdersTest, InsertsEscapeAndAckOnlyWhereMissing) {
    const EnterCfgCase& c = GetParam();
    OrderList list;
    for (const std::string& line : c.before) {
        list.AddRawOrder(line);
    }
    for (int i = 0; i < c.index; ++i) {
        list.Advance();
    }
    list.InsertEnterCfgOrders();
    EXPECT_EQ(list.Lines(), c.after);
    EXPECT_EQ(list.Index(), c.index);
}

const std::string kL1 = "AT+CIPR?\r\n";
const std::string kL2 = "AT+ICF?\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, InsertEnterCfgOrdersTest,
    testing::Values(
        EnterCfgCase{"LineBecomesEscapeAckLine", {kL1, kL2}, 1, {kL1, "+++", "a", kL2}},
        EnterCfgCase{"EscapeAlreadyThere", {"+++", "a", kL1}, 0, {"+++", "a", kL1}},
        EnterCfgCase{"AtTheEndAfterEscapeAck", {"+++", "a", kL1}, 2, {"+++", "a", "+++", "a", kL1}},
        EnterCfgCase{"EmptyList", {}, 0, {"+++", "a"}},
        EnterCfgCase{"TimedOutAck", {"+++", "a"}, 1, {"+++", "+++", "a"}},
        EnterCfgCase{"EscapeIsCaseSensitiveExact", {"+++\r\n"}, 0, {"+++", "a", "+++\r\n"}},
        EnterCfgCase{"PastTheEndNothingToRecover", {kL1}, 3, {kL1}}),
    [](const testing::TestParamInfo<EnterCfgCase>& row) { return row.param.name; });

TEST(InsertSetOrderTest, FourLinesStayFourLines) {
    OrderList list;
    for (int i = 0; i < 4; ++i) {
        list.AddRawOrder(std::to_string(i));
    }
    list.InsertSetOrder("CACHE", "0");
    EXPECT_EQ(list.Lines(), (Lines{"0", "1", "2", "3"}));
}

TEST(InsertSetOrderTest, SevenLinesTakeInsertsBeforeTheLastFiveInOrder) {
    OrderList list;
    for (int i = 0; i < 7; ++i) {
        list.AddRawOrder(std::to_string(i));
    }
    list.InsertSetOrder("CLOUDEN", "OFF");
    list.InsertSetOrderCmd(TCmd::CACHE, "0");
    EXPECT_EQ(list.Lines(),
              (Lines{"0", "1", "AT+CLOUDEN=OFF\r\n", "AT+CACHE=0\r\n", "2", "3", "4", "5", "6"}));
}

TEST(InsertSetOrderTest, ExactlyFiveLinesInsertsAtTheFront) {
    OrderList list;
    for (int i = 0; i < 5; ++i) {
        list.AddRawOrder(std::to_string(i));
    }
    list.InsertSetOrder("RESOC", "5");
    EXPECT_EQ(list.GetOrder(0), "AT+RESOC=5\r\n");
    EXPECT_EQ(list.OrderCount(), 6);
}

}  // namespace
}  // namespace dtu
