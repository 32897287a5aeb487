#include "form/write_lines.h"

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

Lines WriteAllLines(const FormModel& form, bool family2) {
    OrderList orders;
    BuildWriteAllOrders(form, orders);
    if (family2) {
        InsertFamilySetLines(form, orders);
    }
    return orders.Lines();
}

// Socket `socket` (1 to 4): protocol item, host, port and tick.
void SetSocket(FormModel& form, int socket, int protocol, const char* host, const char* port,
               bool enabled) {
    const Field fields[][4] = {
        {Field::Socket1Enable, Field::Socket1Host, Field::Socket1Port, Field::Socket1Protocol},
        {Field::Socket2Enable, Field::Socket2Host, Field::Socket2Port, Field::Socket2Protocol},
        {Field::Socket3Enable, Field::Socket3Host, Field::Socket3Port, Field::Socket3Protocol},
    };
    const auto& [tick, hostField, portField, protocolField] = fields[socket - 1];
    form.SetTick(tick, enabled);
    form.SetText(hostField, host);
    form.SetText(portField, port);
    form.SetItem(protocolField, protocol);
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
    FormModel form = WorkedExampleForm();
    form.SetTick(Field::HeartbeatPacketHex, true);  // already hex: sent as typed
    form.SetText(Field::HeartbeatPacket, "LOG");
    form.SetItem(Field::HeartbeatTarget, -1);
    form.SetItem(Field::RegistrationMode, 1);
    SetSocket(form, 3, 1, "h3", "502", true);
    form.SetTick(Field::ComAtEnable, true);
    form.SetTick(Field::NetAtEnable, true);
    const Lines lines = WriteAllLines(form, false);
    EXPECT_EQ(lines.at(2), "AT+CIPPACK=0,\"LOG\",\"-1\"\r\n");
    EXPECT_EQ(lines.at(3), "AT+CIPPACK=1,\"4C4F47494E3A31303031\",\"1\"\r\n");
    EXPECT_EQ(lines.at(6), "AT+CIPSCONT=3,\"UDP\",\"h3\", 502,1\r\n");
    EXPECT_EQ(lines.at(8), "AT+CICOMAT=1\r\n");
    EXPECT_EQ(lines.at(9), "AT+CINETAT=1\r\n");
}

TEST(WriteAllTest, CloudTickedInsertsNumberAndPassword) {
    FormModel form = WorkedExampleForm();
    form.SetTick(Field::CloudEnable, true);
    form.SetText(Field::CloudNumber, "12345");
    form.SetText(Field::CloudPassword, "pw");
    form.SetTick(Field::CacheEnable, true);
    form.SetText(Field::ReconnectInterval, " 1 0 ");
    const Lines lines = WriteAllLines(form, true);
    const Lines inserted(lines.begin() + 10, lines.end() - 5);
    EXPECT_EQ(inserted, WithCrLf({"AT+CLOUDEN=ON", "AT+CLOUDID=12345", "AT+CLOUDPA=pw",
                                  "AT+CACHE=1", "AT+RESOC=10"}));
}

TEST(WriteAllTest, CompactViewTakesOnlySocketOneAndTheTimes) {
    FormModel form = WorkedExampleForm();
    form.SetView(kCompactView);
    SetSocket(form, 1, 1, "myhost", "5000", false);  // the tick is ignored
    form.SetText(Field::RestartTime, "99");          // ignored too
    form.SetItem(Field::HeartbeatTarget, 1);
    form.SetTick(Field::ComAtEnable, true);
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
    FormModel form = WorkedExampleForm();
    form.SetItem(Field::WorkMode, 3);
    form.SetText(Field::HttpHost, "web.example");
    form.SetText(Field::HttpPort, "80");
    form.SetText(Field::HttpUrl, "/path?a=1");
    form.SetText(Field::HttpHeaders, "Accept: */*\r\nX: y");
    form.SetItem(Field::HttpMethod, 1);  // POST
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
    FormModel form = WorkedExampleForm();
    form.SetItem(Field::WorkMode, 4);
    form.SetText(Field::SmsModePhone, "10086");
    const Lines lines = WriteAllLines(form, true);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1], "AT+CIPNUM=10086\r\n");
    EXPECT_EQ(lines[2], "AT+CIMOD=\"4\"\r\n");
}

TEST(WriteAllTest, SerialCommandModeSendsVersionAndTailOnly) {
    FormModel form = WorkedExampleForm();
    form.SetItem(Field::WorkMode, 1);
    Lines tail = kTail;
    tail[0] = "AT+CIMOD=\"1\"";
    const Lines expected = WithCrLf(Concat({"AT+CIVER?"}, tail));
    EXPECT_EQ(WriteAllLines(form, false), expected);
    EXPECT_EQ(WriteAllLines(form, true), expected);
}

TEST(WriteAllTest, UnknownViewAndNoWorkModeAddNoModeLines) {
    FormModel form = WorkedExampleForm();
    form.SetView(7);
    EXPECT_EQ(WriteAllLines(form, true).size(), 6u);
    form.SetItem(Field::WorkMode, -1);
    const Lines lines = WriteAllLines(form, true);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], "AT+CIMOD=\"-1\"\r\n");
}

TEST(WriteAllTest, TailCarriesTheDeviceUartCode) {
    FormModel form = WorkedExampleForm();
    form.SetItem(Field::DataBits, 0);
    form.SetItem(Field::StopBits, 1);
    form.SetItem(Field::Parity, 2);
    form.SetItem(Field::BaudRate, 5);  // 9600
    const Lines lines = WriteAllLines(form, false);
    EXPECT_EQ(lines.at(lines.size() - 3), "AT+ICF=4,1\r\n");
    EXPECT_EQ(lines.at(lines.size() - 2), "AT+CIPR=9600\r\n");
}

TEST(ReadAllTest, FamilyQueriesByWorkMode) {
    const struct {
        int workMode;
        Lines queries;
    } rows[] = {
        {0, {"AT+CLOUDEN?", "AT+CLOUDID?", "AT+CACHE?", "AT+RESOC?"}},
        {3, {"AT+HTPURL?", "AT+HTPHD?", "AT+HTPTP?"}},
        {4, {}},
    };
    for (const auto& row : rows) {
        FormModel form;
        form.SetItem(Field::WorkMode, row.workMode);
        OrderList orders;
        AppendFamilyQueries(form, orders);
        EXPECT_EQ(orders.Lines(), WithCrLf(row.queries)) << row.workMode;
    }
}

TEST(WriteAllTest, AnEmptyCloudPasswordIsNotSent) {
    FormModel form = WorkedExampleForm();
    form.SetTick(Field::CloudEnable, true);
    form.SetText(Field::CloudNumber, "12345");
    const Lines lines = WriteAllLines(form, true);
    const Lines inserted(lines.begin() + 10, lines.end() - 5);
    EXPECT_EQ(inserted,
              WithCrLf({"AT+CLOUDEN=ON", "AT+CLOUDID=12345", "AT+CACHE=0", "AT+RESOC=10"}));
}

}  // namespace
}  // namespace dtu
