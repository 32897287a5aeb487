#include "protocol/sequences.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/protocol/worked_example.h"

namespace dtu {
namespace {

using Lines = std::vector<std::string>;

Lines WithCrLf(const Lines& lines) {
    Lines result;
    for (const std::string& line : lines) {
        result.push_back(line + "\r\n");
    }
    return result;
}

Lines WriteAllLines(const FormValues& form, bool family2) {
    OrderList orders;
    BuildWriteAllOrders(form, orders);
    if (family2) {
        InsertFamilySetLines(form, orders);
    }
    return orders.Lines();
}

const Lines kTail = {"AT+CIMOD=\"0\"", "AT+CSTT=\"CMNET\",\"\",\"\"", "AT+ICF=3,3",
                     "AT+CIPR=115200", "ATW"};

Lines Concat(Lines head, const Lines& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(WriteAllTest, WorkedExampleByteForByte) {
    EXPECT_EQ(WriteAllLines(WorkedExampleForm(), true), WorkedExampleLines());
}

TEST(WriteAllTest, FullViewSendsTicksOptionsAndUnselectedItems) {
    FormValues form = WorkedExampleForm();
    form.chk_HeartbeatFormat = true;  // already hex: sent as typed
    form.cbb_HeartbeatTo = -1;
    form.cbb_RegMode = 1;
    form.sockets[2] = {"UDP", "h3", "502", true};
    form.chk_ComAtEnable = true;
    form.chk_NetAtEnable = true;
    const Lines lines = WriteAllLines(form, false);
    EXPECT_EQ(lines.at(2), "AT+CIPPACK=0,\"LOG\",\"-1\"\r\n");
    EXPECT_EQ(lines.at(3), "AT+CIPPACK=1,\"4C4F47494E3A31303031\",\"1\"\r\n");
    EXPECT_EQ(lines.at(6), "AT+CIPSCONT=3,\"UDP\",\"h3\", 502,1\r\n");
    EXPECT_EQ(lines.at(8), "AT+CICOMAT=1\r\n");
    EXPECT_EQ(lines.at(9), "AT+CINETAT=1\r\n");
}

TEST(WriteAllTest, CloudTickedInsertsNumberAndPassword) {
    FormValues form = WorkedExampleForm();
    form.chkCloudEnalbe = true;
    form.lbledtCloud = "12345";
    form.lbledtPswd = "pw";
    form.chk_CachEnable = true;
    form.lbledtResoc = " 1 0 ";
    const Lines lines = WriteAllLines(form, true);
    const Lines inserted(lines.begin() + 10, lines.end() - 5);
    EXPECT_EQ(inserted, WithCrLf({"AT+CLOUDEN=ON", "AT+CLOUDID=12345", "AT+CLOUDPA=pw",
                                  "AT+CACHE=1", "AT+RESOC=10"}));
}

TEST(WriteAllTest, CompactViewTakesOnlySocketOneAndTheTimes) {
    FormValues form = WorkedExampleForm();
    form.btn_ShowMoreTag = 1;
    form.sockets[0] = {"UDP", "myhost", "5000", false};  // the tick is ignored
    form.edt_RestartTime = "99";                         // ignored too
    form.cbb_HeartbeatTo = 1;
    form.chk_ComAtEnable = true;
    const Lines expected = WithCrLf(Concat(
        {
            "AT+CIVER?",
            "AT+CIPCFG=1,50,0,10,0,1800",
            "AT+CIPPACK=0,\"4C4F47\",0",
            "AT+CIPPACK=1,\"4C4F47494E3A31303031\",0",
            "AT+CIPSCONT=1,\"UDP\",\"myhost\", 5000,1",
            "AT+CIPSCONT=2,\"TCP\",\"dtu.example.net\", 2317,0",
            "AT+CIPSCONT=3,\"TCP\",\"dtu.example.net\", 2317,0",
            "AT+CIPSCONT=4,\"TCP\",\"dtu.example.net\", 2317,0",
            "AT+CICOMAT=0",
            "AT+CINETAT=0",
            "AT+CLOUDEN=OFF",
            "AT+CACHE=0",
            "AT+RESOC=5",
        },
        kTail));
    EXPECT_EQ(WriteAllLines(form, true), expected);
}

TEST(WriteAllTest, HttpdClientModeUsesSocketFiveAndTheHttpFields) {
    FormValues form = WorkedExampleForm();
    form.cbb_WorkMode = 3;
    form.edt_IP5 = "web.example";
    form.edt_Port5 = "80";
    form.edtHTPURL = "/path?a=1";
    form.mmoHTPHD = "Accept: */*\r\nX: y";
    form.cbbHTPTP = "POST";
    Lines tail = kTail;
    tail[0] = "AT+CIMOD=\"3\"";
    const Lines expected = WithCrLf(Concat(
        {
            "AT+CIVER?",
            "AT+CIPCFG=1,0,0,50,0,0",
            "AT+CIPPACK=0,\"\",0",
            "AT+CIPPACK=1,\"\",0",
            "AT+CIPSCONT=1,\"TCP\",\"web.example\", 80,1",
            "AT+HTPURL=/path?a=1",
            "AT+HTPHD=Accept: */*\r\nX: y",
            "AT+HTPTP=POST",
        },
        tail));
    EXPECT_EQ(WriteAllLines(form, true), expected);
}

TEST(WriteAllTest, SmsModeSendsTheTargetNumberSecond) {
    FormValues form = WorkedExampleForm();
    form.cbb_WorkMode = 4;
    form.edt_TelNo = "10086";
    const Lines lines = WriteAllLines(form, true);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1], "AT+CIPNUM=10086\r\n");
    EXPECT_EQ(lines[2], "AT+CIMOD=\"4\"\r\n");
}

TEST(WriteAllTest, SerialCommandModeSendsVersionAndTailOnly) {
    FormValues form = WorkedExampleForm();
    form.cbb_WorkMode = 1;
    Lines tail = kTail;
    tail[0] = "AT+CIMOD=\"1\"";
    const Lines expected = WithCrLf(Concat({"AT+CIVER?"}, tail));
    EXPECT_EQ(WriteAllLines(form, false), expected);
    EXPECT_EQ(WriteAllLines(form, true), expected);
}

TEST(WriteAllTest, UnknownViewAndNoWorkModeAddNoModeLines) {
    FormValues form = WorkedExampleForm();
    form.btn_ShowMoreTag = 7;
    EXPECT_EQ(WriteAllLines(form, true).size(), 6u);
    form.cbb_WorkMode = -1;
    const Lines lines = WriteAllLines(form, true);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], "AT+CIMOD=\"-1\"\r\n");
}

TEST(WriteAllTest, TailCarriesTheDeviceUartCode) {
    FormValues form = WorkedExampleForm();
    form.cbb_Com_ByteItem = 0;
    form.cbb_Com_StopItem = 1;
    form.cbb_Com_ParityItem = 2;
    form.cbb_Com_BaudRate = "9600";
    const Lines lines = WriteAllLines(form, false);
    EXPECT_EQ(lines.at(lines.size() - 3), "AT+ICF=4,1\r\n");
    EXPECT_EQ(lines.at(lines.size() - 2), "AT+CIPR=9600\r\n");
}

TEST(ReadAllTest, FourQueriesThenFamilyQueriesByWorkMode) {
    OrderList orders;
    BuildReadAllOrders(orders);
    EXPECT_EQ(orders.Lines(), WithCrLf({"AT+CIVER?", "AT+CIPR?", "AT+ICF?", "AT+CIPSCONT?"}));

    FormValues form;
    form.cbb_WorkMode = 0;
    AppendFamilyQueries(form, orders);
    EXPECT_EQ(orders.Lines(), WithCrLf({"AT+CIVER?", "AT+CIPR?", "AT+ICF?", "AT+CIPSCONT?",
                                        "AT+CLOUDEN?", "AT+CLOUDID?", "AT+CACHE?", "AT+RESOC?"}));

    BuildReadAllOrders(orders);
    form.cbb_WorkMode = 3;
    AppendFamilyQueries(form, orders);
    EXPECT_EQ(orders.OrderCount(), 7);
    EXPECT_EQ(orders.GetOrder(6), "AT+HTPTP?\r\n");

    BuildReadAllOrders(orders);
    form.cbb_WorkMode = 4;
    AppendFamilyQueries(form, orders);
    EXPECT_EQ(orders.OrderCount(), 4);
}

}  // namespace
}  // namespace dtu
