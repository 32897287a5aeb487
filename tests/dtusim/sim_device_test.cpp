#include "tools/dtusim/sim_device.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dtu::sim {
namespace {

using std::chrono::milliseconds;
using namespace std::string_literals;

const std::string kOk = "\r\nOK\r\n";
const std::string kError = "\r\nERROR\r\n";

// All bursts of the answer joined, the way a reader that waits long enough sees them.
std::string Send(SimDevice& device, const std::string& chunk) {
    std::string out;
    for (const Burst& burst : device.Receive(chunk).bursts) {
        out += burst.bytes;
    }
    return out;
}

std::string Value(const std::string& line) {
    return "\r\n" + line + "\r\n" + kOk;
}

struct ReplyCase {
    const char* name;
    std::string line;
    std::string reply;
};

class Replies : public testing::TestWithParam<ReplyCase> {};

TEST_P(Replies, AnswerExactly) {
    SimDevice device;
    EXPECT_EQ(Send(device, GetParam().line), GetParam().reply);
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, Replies,
    testing::Values(
        ReplyCase{"Version", "AT+CIVER?\r\n", Value("+CIVER:V3.38")},
        ReplyCase{"BaudRate", "AT+CIPR?\r\n", Value("+CIPR:115200")},
        ReplyCase{"Icf", "AT+ICF?\r\n", Value("+ICF:3,3")},
        ReplyCase{"WorkMode", "AT+CIMOD?\r\n", Value("+CIMOD:\"0\"")},
        ReplyCase{"Apn", "AT+CSTT?\r\n", Value("+CSTT:\"CMNET\",\"\",\"\"")},
        ReplyCase{"Timing", "AT+CIPCFG?\r\n", Value("+CIPCFG:1,50,0,10,0,1800")},
        ReplyCase{"SmsNumber", "AT+CIPNUM?\r\n", Value("+CIPNUM:\"10086\"")},
        ReplyCase{"Cloud", "AT+CLOUDEN?\r\n", Value("+CLOUDEN:OFF")},
        ReplyCase{"CloudId", "AT+CLOUDID?\r\n", Value("+CLOUDID:\"\"")},
        ReplyCase{"Cache", "AT+CACHE?\r\n", Value("+CACHE:0")},
        ReplyCase{"Reconnect", "AT+RESOC?\r\n", Value("+RESOC:5")},
        ReplyCase{"HttpMethod", "AT+HTPTP?\r\n", Value("+HTPTP:GET")},
        ReplyCase{"Attention", "AT\r\n", kOk}, ReplyCase{"Save", "ATW\r\n", kOk},
        ReplyCase{"FactoryReset", "AT+CIRELOAD\r\n", kOk},
        ReplyCase{"Restart", "AT+CIRESET\r\n", kOk},
        ReplyCase{"Sms", "AT+CISMSSEND=10086,3,hello, world\r\n", kOk},
        ReplyCase{"CarriageReturnOnly", "AT+CIPR?\r", Value("+CIPR:115200")},
        ReplyCase{"EmptyLineIgnored", "\r\n", ""}, ReplyCase{"Unknown", "AT+NOPE?\r\n", kError},
        ReplyCase{"LowerCaseName", "AT+civer?\r\n", kError},
        ReplyCase{"NotAt", "HELLO\r\n", kError},
        ReplyCase{"VersionCannotBeSet", "AT+CIVER=4.00\r\n", kError},
        ReplyCase{"ExecuteOfParameter", "AT+CIPR\r\n", kError},
        ReplyCase{"BaudNotStandard", "AT+CIPR=12345\r\n", kError},
        ReplyCase{"BaudNotNumber", "AT+CIPR=fast\r\n", kError},
        ReplyCase{"IcfBadFormat", "AT+ICF=2,3\r\n", kError},
        ReplyCase{"IcfBadParity", "AT+ICF=3,2\r\n", kError},
        ReplyCase{"IcfOneItem", "AT+ICF=3\r\n", kError},
        ReplyCase{"WorkModeTooHigh", "AT+CIMOD=\"5\"\r\n", kError},
        ReplyCase{"WorkModeNegative", "AT+CIMOD=\"-1\"\r\n", kError},
        ReplyCase{"TimingFiveItems", "AT+CIPCFG=1,50,0,10,0\r\n", kError},
        ReplyCase{"TimingEmptyItem", "AT+CIPCFG=1,,0,10,0,1800\r\n", kError},
        ReplyCase{"PacketNotHex", "AT+CIPPACK=0,\"LOG\",\"0\"\r\n", kError},
        ReplyCase{"PacketUnselectedOption", "AT+CIPPACK=0,\"4C4F47\",\"-1\"\r\n", kError},
        ReplyCase{"PacketIndexTwo", "AT+CIPPACK=2,\"4C4F47\",0\r\n", kError},
        ReplyCase{"SocketFive", "AT+CIPSCONT=5,\"TCP\",\"h\", 1,1\r\n", kError},
        ReplyCase{"SocketProtocol", "AT+CIPSCONT=1,\"SCTP\",\"h\", 1,1\r\n", kError},
        ReplyCase{"SocketPortRange", "AT+CIPSCONT=1,\"TCP\",\"h\", 70000,1\r\n", kError},
        ReplyCase{"CloudLowerCase", "AT+CLOUDEN=on\r\n", kError},
        ReplyCase{"HttpMethodPut", "AT+HTPTP=PUT\r\n", kError},
        ReplyCase{"SmsWithoutType", "AT+CISMSSEND=10086,hello\r\n", kError},
        ReplyCase{"SmsBadNumber", "AT+CISMSSEND=abc,3,hello\r\n", kError},
        ReplyCase{"NulInLine", std::string("AT+CIV\0ER?\r\n", 12), kError}),
    [](const testing::TestParamInfo<ReplyCase>& row) { return row.param.name; });

struct RoundTrip {
    const char* name;
    std::string set;
    std::string query;
    std::string reply;
};

class SetThenQuery : public testing::TestWithParam<RoundTrip> {};

TEST_P(SetThenQuery, ReturnsWhatWasWritten) {
    SimDevice device;
    ASSERT_EQ(Send(device, GetParam().set), kOk);
    EXPECT_EQ(Send(device, GetParam().query), GetParam().reply);
}

// The set lines as the tool writes them, the query answers as the device gives them.
INSTANTIATE_TEST_SUITE_P(
    ToolLines, SetThenQuery,
    testing::Values(
        RoundTrip{"Timing", "AT+CIPCFG=1,60,0,20,0,900\r\n", "AT+CIPCFG?\r\n",
                  Value("+CIPCFG:1,60,0,20,0,900")},
        RoundTrip{"HeartbeatQuotedOption", "AT+CIPPACK=0,\"41\",\"1\"\r\n", "AT+CIPPACK?\r\n",
                  "\r\n+CIPPACK:0,\"41\",1\r\n+CIPPACK:1,\"4C4F47494E3A31303031\",0\r\n" + kOk},
        RoundTrip{"RegistrationBareOption", "AT+CIPPACK=1,\"\",0\r\n", "AT+CIPPACK?\r\n",
                  "\r\n+CIPPACK:0,\"4C4F47\",0\r\n+CIPPACK:1,\"\",0\r\n" + kOk},
        RoundTrip{"Socket", "AT+CIPSCONT=3,\"udp\",\"host3\", 502,1\r\n", "AT+CIPSTART?\r\n",
                  "\r\n+CIPSTART:1,\"TCP\",\"dtu.example.net\",2317,1"
                  "\r\n+CIPSTART:2,\"TCP\",\"\",,0\r\n+CIPSTART:3,\"UDP\",\"host3\",502,1"
                  "\r\n+CIPSTART:4,\"TCP\",\"\",,0\r\n" +
                      kOk},
        RoundTrip{"EmptySocket", "AT+CIPSCONT=1,\"TCP\",\"\", ,0\r\n", "AT+CIPSTART?\r\n",
                  "\r\n+CIPSTART:1,\"TCP\",\"\",,0\r\n+CIPSTART:2,\"TCP\",\"\",,0"
                  "\r\n+CIPSTART:3,\"TCP\",\"\",,0\r\n+CIPSTART:4,\"TCP\",\"\",,0\r\n" +
                      kOk},
        RoundTrip{"ComAt", "AT+CICOMAT=1\r\n", "AT+CICOMAT?\r\n", Value("+CICOMAT:1")},
        RoundTrip{"NetAt", "AT+CINETAT=1\r\n", "AT+CINETAT?\r\n", Value("+CINETAT:1")},
        RoundTrip{"SmsNumber", "AT+CIPNUM=13800138000\r\n", "AT+CIPNUM?\r\n",
                  Value("+CIPNUM:\"13800138000\"")},
        RoundTrip{"WorkMode", "AT+CIMOD=\"3\"\r\n", "AT+CIMOD?\r\n", Value("+CIMOD:\"3\"")},
        RoundTrip{"Apn", "AT+CSTT=\"UNINET\",\"user\",\"pw\"\r\n", "AT+CSTT?\r\n",
                  Value("+CSTT:\"UNINET\",\"user\",\"pw\"")},
        RoundTrip{"ApnUnquoted", "AT+CSTT=CMIOT\r\n", "AT+CSTT?\r\n",
                  Value("+CSTT:\"CMIOT\",\"\",\"\"")},
        RoundTrip{"Icf", "AT+ICF=4,1\r\n", "AT+ICF?\r\n", Value("+ICF:4,1")},
        RoundTrip{"BaudRate", "AT+CIPR=9600\r\n", "AT+CIPR?\r\n", Value("+CIPR:9600")},
        RoundTrip{"CloudOn", "AT+CLOUDEN=ON\r\n", "AT+CLOUDEN?\r\n", Value("+CLOUDEN:ON")},
        RoundTrip{"CloudId", "AT+CLOUDID=00012345\r\n", "AT+CLOUDID?\r\n",
                  Value("+CLOUDID:\"00012345\"")},
        RoundTrip{"CloudPassword", "AT+CLOUDPA=secret\r\n", "AT+CLOUDPA?\r\n",
                  Value("+CLOUDPA:\"secret\"")},
        RoundTrip{"Cache", "AT+CACHE=1\r\n", "AT+CACHE?\r\n", Value("+CACHE:1")},
        RoundTrip{"Reconnect", "AT+RESOC=10\r\n", "AT+RESOC?\r\n", Value("+RESOC:10")},
        RoundTrip{"HttpUrl", "AT+HTPURL=/data.php\r\n", "AT+HTPURL?\r\n",
                  Value("+HTPURL:\"/data.php\"")},
        RoundTrip{"HttpHeaderWithLineBreaks", "AT+HTPHD=Accept: */*\r\nConnection: close\r\n",
                  "AT+HTPHD?\r\n", Value("+HTPHD:\"Accept: */*\r\nConnection: close\"")},
        RoundTrip{"HttpMethod", "AT+HTPTP=POST\r\n", "AT+HTPTP?\r\n", Value("+HTPTP:POST")}),
    [](const testing::TestParamInfo<RoundTrip>& row) { return row.param.name; });

TEST(SimDevice, SocketQueryAnswersEverythingInOneBurst) {
    SimDevice device;
    Answer answer = device.Receive("AT+CIPSCONT?\r\n");
    ASSERT_EQ(answer.bursts.size(), 1u);
    EXPECT_EQ(answer.bursts[0].bytes,
              "\r\n+CIPCFG:1,50,0,10,0,1800"
              "\r\n+CIPPACK:0,\"4C4F47\",0"
              "\r\n+CIPPACK:1,\"4C4F47494E3A31303031\",0"
              "\r\n+CIPSTART:1,\"TCP\",\"dtu.example.net\",2317,1"
              "\r\n+CIPSTART:2,\"TCP\",\"\",,0"
              "\r\n+CIPSTART:3,\"TCP\",\"\",,0"
              "\r\n+CIPSTART:4,\"TCP\",\"\",,0"
              "\r\n+CIMOD:\"0\""
              "\r\n+CINETAT:0"
              "\r\n+CICOMAT:0"
              "\r\n+CSTT:\"CMNET\",\"\",\"\""
              "\r\n+CIPNUM:\"10086\""
              "\r\n\r\nOK\r\n");
}

// The worked write-all run of the tool, every line accepted, and what the
// device holds afterwards.
TEST(SimDevice, AcceptsAWholeWriteAllRun) {
    SimDevice device;
    const std::vector<std::string> lines = {
        "AT+CIVER?",
        "AT+CIPCFG=1,50,0,10,0,1800",
        "AT+CIPPACK=0,\"4C4F47\",\"0\"",
        "AT+CIPPACK=1,\"4C4F47494E3A31303031\",\"0\"",
        "AT+CIPSCONT=1,\"TCP\",\"host1\", 2317,1",
        "AT+CIPSCONT=2,\"TCP\",\"\", ,0",
        "AT+CIPSCONT=3,\"TCP\",\"\", ,0",
        "AT+CIPSCONT=4,\"TCP\",\"\", ,0",
        "AT+CICOMAT=0",
        "AT+CINETAT=0",
        "AT+CLOUDEN=OFF",
        "AT+CACHE=0",
        "AT+RESOC=10",
        "AT+CIMOD=\"0\"",
        "AT+CSTT=\"CMNET\",\"\",\"\"",
        "AT+ICF=3,3",
        "AT+CIPR=115200",
        "ATW",
    };
    for (const std::string& line : lines) {
        std::string reply = Send(device, line + "\r\n");
        EXPECT_TRUE(reply.ends_with(kOk)) << line << " -> " << reply;
    }
    EXPECT_EQ(device.Saved(), device.Running());
    EXPECT_EQ(device.Saved().sockets[0], (SocketConfig{"TCP", "host1", "2317", true}));
    EXPECT_EQ(device.Saved().reconnect, "10");
}

TEST(SimDevice, RefusedSetChangesNothing) {
    SimDevice device;
    for (const char* line : {"AT+CIPSCONT=1,\"TCP\",\"x\", 99999,1\r\n", "AT+CSTT=\"a\"b\r\n",
                             "AT+CSTT=a,b,c,d\r\n", "AT+ICF=3,9\r\n"}) {
        EXPECT_EQ(Send(device, line), kError) << line;
    }
    EXPECT_EQ(device.Running(), DeviceConfig{});
}

TEST(SimDevice, OldFirmwareLacksCloudAndHttpCommands) {
    SimDevice device;
    ASSERT_TRUE(device.SetFirmware("3.36"));
    EXPECT_EQ(Send(device, "AT+CIVER?\r\n"), Value("+CIVER:V3.36"));
    EXPECT_EQ(Send(device, "AT+CLOUDEN?\r\n"), kError);
    EXPECT_EQ(Send(device, "AT+HTPTP=GET\r\n"), kError);
    EXPECT_EQ(Send(device, "AT+CIPR?\r\n"), Value("+CIPR:115200"));
    EXPECT_FALSE(device.SetFirmware("V3.38"));
    EXPECT_FALSE(device.SetFirmware(""));
}

TEST(SimDevice, EscapeSequenceEntersCommandMode) {
    SimDevice device(Mode::kData);
    EXPECT_EQ(Send(device, "AT+CIVER?\r\n"), "");
    EXPECT_EQ(Send(device, "a"), "");
    EXPECT_EQ(device.CurrentMode(), Mode::kData);
    EXPECT_EQ(Send(device, "+++"), "a");
    EXPECT_EQ(device.CurrentMode(), Mode::kEscapeSeen);
    EXPECT_EQ(Send(device, "a"), "\r\n+ok\r\n");
    EXPECT_EQ(device.CurrentMode(), Mode::kCommand);
    EXPECT_EQ(Send(device, "AT+ENTM\r\n"), kOk);
    EXPECT_EQ(device.CurrentMode(), Mode::kData);
    EXPECT_EQ(Send(device, "AT+CIPR?\r\n"), "");
}

TEST(SimDevice, EscapeFollowedByDataFallsBackToDataMode) {
    SimDevice device(Mode::kData);
    EXPECT_EQ(Send(device, "+++"), "a");
    EXPECT_EQ(Send(device, "hello"), "");
    EXPECT_EQ(Send(device, "a"), "");
    EXPECT_EQ(device.CurrentMode(), Mode::kData);
}

TEST(SimDevice, CommandModeStillAnswersTheRecoveryPair) {
    SimDevice device;
    EXPECT_EQ(Send(device, "+++"), "a");
    EXPECT_EQ(Send(device, "a"), "\r\n+ok\r\n");
    EXPECT_EQ(device.CurrentMode(), Mode::kCommand);
}

TEST(SimDevice, EscapeDropsAHalfLine) {
    SimDevice device;
    EXPECT_EQ(Send(device, "AT+CI"), "");
    EXPECT_EQ(Send(device, "+++"), "a");
    EXPECT_EQ(Send(device, "AT+CIPR?\r\n"), Value("+CIPR:115200"));
}

TEST(SimDevice, LineTypedInPiecesIsAnsweredAtItsEnd) {
    SimDevice device;
    std::string out;
    for (char c : std::string("AT+CIPR?\r\n")) {
        out += Send(device, std::string(1, c));
    }
    EXPECT_EQ(out, Value("+CIPR:115200"));
}

TEST(SimDevice, TwoLinesInOneChunkAreBothAnswered) {
    SimDevice device;
    Answer answer = device.Receive("AT\r\nAT+CIPR?\r\n");
    EXPECT_EQ(answer.heard, (std::vector<std::string>{"AT\r\n", "AT+CIPR?\r\n"}));
    ASSERT_EQ(answer.bursts.size(), 1u);
    EXPECT_EQ(answer.bursts[0].bytes, kOk + Value("+CIPR:115200"));
}

struct LineChange {
    const char* name;
    std::string line;
    LineSettings after;
};

class UartChange : public testing::TestWithParam<LineChange> {};

TEST_P(UartChange, SwitchesAfterTheOk) {
    SimDevice device;
    Answer answer = device.Receive(GetParam().line);
    ASSERT_EQ(answer.bursts.size(), 1u);
    EXPECT_EQ(answer.bursts[0].bytes, kOk);
    ASSERT_TRUE(answer.switchTo.has_value());
    EXPECT_EQ(*answer.switchTo, GetParam().after);
    EXPECT_EQ(device.Line(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, UartChange,
    testing::Values(LineChange{"Baud9600", "AT+CIPR=9600\r\n", {9600, 8, 'N', 1}},
                    LineChange{"EightTwoNone", "AT+ICF=1,3\r\n", {115200, 8, 'N', 2}},
                    LineChange{"SevenTwoEven", "AT+ICF=4,1\r\n", {115200, 7, 'E', 2}},
                    LineChange{"SevenOneOdd", "AT+ICF=5,0\r\n", {115200, 7, 'O', 1}}),
    [](const testing::TestParamInfo<LineChange>& row) { return row.param.name; });

TEST(SimDevice, SameUartAgainIsNoSwitch) {
    SimDevice device;
    EXPECT_FALSE(device.Receive("AT+ICF=3,3\r\n").switchTo.has_value());
    EXPECT_FALSE(device.Receive("AT+CIPR=115200\r\n").switchTo.has_value());
    EXPECT_FALSE(device.Receive("AT+CIPR=1234\r\n").switchTo.has_value());
}

TEST(SimDevice, FactoryResetRestoresDefaultsAndTheirUart) {
    SimDevice device;
    Send(device, "AT+CIPSCONT=1,\"UDP\",\"elsewhere\", 9,0\r\n");
    Send(device, "AT+CIPR=9600\r\n");
    Send(device, "ATW\r\n");
    Answer answer = device.Receive("AT+CIRELOAD\r\n");
    ASSERT_TRUE(answer.switchTo.has_value());
    EXPECT_EQ(answer.switchTo->baudRate, 115200);
    EXPECT_EQ(device.Running(), DeviceConfig{});
    EXPECT_EQ(device.Saved(), DeviceConfig{});
    EXPECT_EQ(Send(device, "AT+CIPSTART?\r\n").find("elsewhere"), std::string::npos);
}

TEST(SimDevice, RestartKeepsOnlySavedValues) {
    SimDevice device;
    Send(device, "AT+CIMOD=\"4\"\r\n");
    Send(device, "ATW\r\n");
    Send(device, "AT+CIMOD=\"2\"\r\n");
    EXPECT_EQ(Send(device, "AT+CIRESET\r\n"), kOk);
    EXPECT_EQ(device.CurrentMode(), Mode::kCommand);
    EXPECT_EQ(Send(device, "AT+CIMOD?\r\n"), Value("+CIMOD:\"4\""));
}

TEST(SimDevice, KeepsSmsWithCommasInTheMessage) {
    SimDevice device;
    Send(device, "AT+CISMSSEND=+8613800138000,3,on, off\r\n");
    EXPECT_EQ(device.SentSms(), (std::vector<Sms>{{"+8613800138000", "on, off"}}));
}

TEST(SimDevice, SilentOnSkipsTheLineTheGivenNumberOfTimes) {
    SimDevice device;
    device.SilentOn("AT+CIMOD=\"2\"\r\n", 2);
    Answer first = device.Receive("AT+CIMOD=\"2\"\r\n");
    EXPECT_TRUE(first.bursts.empty());
    EXPECT_EQ(first.heard, (std::vector<std::string>{"AT+CIMOD=\"2\"\r\n"}));
    EXPECT_EQ(device.Running().workMode, 0);
    EXPECT_EQ(Send(device, "AT+CIMOD=\"2\"\r\n"), "");
    EXPECT_EQ(Send(device, "AT+CIMOD=\"2\"\r\n"), kOk);
    EXPECT_EQ(device.Running().workMode, 2);
}

TEST(SimDevice, SilentEscapeKeepsDataMode) {
    SimDevice device(Mode::kData);
    device.SilentOn("+++", 1);
    EXPECT_EQ(Send(device, "+++"), "");
    EXPECT_EQ(device.CurrentMode(), Mode::kData);
    EXPECT_EQ(Send(device, "+++"), "a");
}

TEST(SimDevice, SplitCutsBeforeTheResult) {
    SimDevice device;
    device.SplitOn("AT+CIVER?", milliseconds(400));
    Answer answer = device.Receive("AT+CIVER?\r\n");
    EXPECT_EQ(answer.bursts, (std::vector<Burst>{{milliseconds(0), "\r\n+CIVER:V3.38\r\n"},
                                                 {milliseconds(400), kOk}}));
}

TEST(SimDevice, SplitOfABareOkCutsItInTheMiddle) {
    SimDevice device;
    device.SplitOn("AT", milliseconds(200));
    Answer answer = device.Receive("AT\r\n");
    EXPECT_EQ(answer.bursts,
              (std::vector<Burst>{{milliseconds(0), "\r\nO"}, {milliseconds(200), "K\r\n"}}));
}

TEST(SimDevice, EchoRepeatsTheLineInTheSameBurst) {
    SimDevice device;
    device.SetEcho(true);
    Answer answer = device.Receive("AT+CIPR?\r\n");
    ASSERT_EQ(answer.bursts.size(), 1u);
    EXPECT_EQ(answer.bursts[0].bytes, "AT+CIPR?\r\n" + Value("+CIPR:115200"));
    EXPECT_EQ(Send(device, "+++"), "a");
}

struct ErrorOnCase {
    const char* name;
    std::string given;
    int times;
    std::vector<std::pair<std::string, std::string>> exchange;  // line sent, answer
};

class ErrorOn : public testing::TestWithParam<ErrorOnCase> {};

TEST_P(ErrorOn, RefusesTheNamedLinesAndChangesNothing) {
    SimDevice device;
    device.ErrorOn(GetParam().given, GetParam().times);
    for (const auto& [line, answer] : GetParam().exchange) {
        EXPECT_EQ(Send(device, line + "\r\n"), answer) << line;
    }
    EXPECT_EQ(device.Running().workMode, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ErrorOn,
    testing::Values(
        ErrorOnCase{"WholeLine",
                    "AT+CIMOD=\"2\"\r\n",
                    1,
                    {{"AT+CIMOD=\"2\"", kError}, {"AT+CIMOD=\"3\"", kOk}, {"AT+CIMOD=\"0\"", kOk}}},
        ErrorOnCase{"SetLinesOfACommand",
                    "AT+CIMOD",
                    2,
                    {{"AT+CIMOD?", Value("+CIMOD:\"0\"")},
                     {"AT+CIMOD=\"2\"", kError},
                     {"AT+CIMOD=\"3\"", kError},
                     {"AT+CIMOD=\"0\"", kOk}}},
        ErrorOnCase{"InvalidLineStaysAnError",
                    "AT+CIMOD",
                    1,
                    {{"AT+CIMOD=\"9\"", kError}, {"AT+CIMOD=\"9\"", kError}}}),
    [](const testing::TestParamInfo<ErrorOnCase>& row) { return row.param.name; });

TEST(SimDevice, SilentAfterAnswersNothingMoreNotEvenTheEscape) {
    SimDevice device;
    device.SilentAfter(2);
    EXPECT_EQ(Send(device, "AT\r\n"), kOk);
    EXPECT_EQ(Send(device, "AT+CIPR?\r\n"), Value("+CIPR:115200"));
    Answer third = device.Receive("AT\r\n");
    EXPECT_TRUE(third.bursts.empty());
    EXPECT_EQ(third.heard, (std::vector<std::string>{"AT\r\n"}));
    EXPECT_EQ(Send(device, "+++"), "");
    EXPECT_EQ(Send(device, "a"), "");
}

TEST(SimDevice, HangUpAfterAnswersThatManyAndHangsUpOnTheNext) {
    SimDevice device;
    device.HangUpAfter(1);
    EXPECT_EQ(Send(device, "+++"), "a");  // an escape is no command line
    Answer answer = device.Receive("AT\r\nAT+CIPR?\r\nAT\r\n");
    ASSERT_EQ(answer.bursts.size(), 1u);
    EXPECT_EQ(answer.bursts[0].bytes, kOk);
    EXPECT_EQ(answer.heard, (std::vector<std::string>{"AT\r\n", "AT+CIPR?\r\n"}));
    EXPECT_TRUE(device.HungUp());
    EXPECT_TRUE(device.Receive("AT\r\n").heard.empty());
}

TEST(SimDevice, ShapeSpoilsTheAnswerButNotTheEcho) {
    SimDevice device;
    device.SetEcho(true);
    device.SetAnswerShape({true, true, false, ""});
    EXPECT_EQ(Send(device, "AT+CIPR?\r\n"), "AT+CIPR?\r\n\r\0\n+CIPR:115200\r\0\n\r\0\nOK"s);
}

TEST(SimDevice, TrickleSendsOneByteAtATime) {
    SimDevice device;
    device.SetTrickle(milliseconds(30));
    Answer answer = device.Receive("AT\r\nAT\r\n");
    ASSERT_EQ(answer.bursts.size(), 2 * kOk.size());
    std::string joined;
    for (std::size_t i = 0; i < answer.bursts.size(); ++i) {
        EXPECT_EQ(answer.bursts[i].bytes.size(), 1u);
        EXPECT_EQ(answer.bursts[i].pauseBefore, milliseconds(i == 0 ? 0 : 30)) << i;
        joined += answer.bursts[i].bytes;
    }
    EXPECT_EQ(joined, kOk + kOk);
}

TEST(SimDevice, OverlongLineIsRefusedAndTheNextOneAnswered) {
    SimDevice device;
    std::string junk(SimDevice::kMaxLine + 10, 'X');
    EXPECT_EQ(Send(device, junk), "");
    EXPECT_EQ(Send(device, junk), "");
    EXPECT_EQ(Send(device, "tail\r\n"), kError);
    EXPECT_EQ(Send(device, "AT+CIPR?\r\n"), Value("+CIPR:115200"));
}

TEST(SimDevice, SurvivesEveryByteValue) {
    SimDevice device;
    std::string all;
    for (int i = 0; i < 256; ++i) {
        all += static_cast<char>(i);
    }
    for (int round = 0; round < 20; ++round) {
        device.Receive(all);
        device.Receive(all.substr(static_cast<std::size_t>(round) * 7));
    }
    Send(device, "\r\n");
    EXPECT_EQ(Send(device, "AT+CIPR?\r\n"), Value("+CIPR:115200"));
}

}  // namespace
}  // namespace dtu::sim
