#include "render/open_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <string>

#include "lang/builtin_texts.h"
#include "lang/gbk.h"
#include "render/line_problem_text.h"

namespace dtu {
namespace {

constexpr OpenFailure kFailures[] = {
    OpenFailure::Permission,   OpenFailure::Busy,         OpenFailure::Missing,
    OpenFailure::LineSettings, OpenFailure::Other,        OpenFailure::TooManyFiles,
    OpenFailure::AlreadyOpen,  OpenFailure::NoSettings,   OpenFailure::NoReader,
    OpenFailure::NoWriter,     OpenFailure::BadBaudRate,  OpenFailure::BadDataBits,
    OpenFailure::BadStopBits,  OpenFailure::BadAddress,   OpenFailure::NoSuchHost,
    OpenFailure::Refused,      OpenFailure::Unreachable,  OpenFailure::NoAnswer,
    OpenFailure::ServerLine,   OpenFailure::ServerClosed, OpenFailure::PlainServer,
    OpenFailure::Cancelled,    OpenFailure::NotConnected,
};

OpenError Failure(OpenFailure kind, const char* path) {
    OpenError error;
    error.kind = kind;
    error.path = path;
    error.group = "dialout";
    error.systemText = "Input/output error";
    return error;
}

class OpenErrorWords : public ::testing::Test {
protected:
    OpenErrorWords() { FillLangTable(table); }
    TLangList table;
};

// Every way a port can fail to open has its own words in both languages, and
// names the port where there is one to name.
TEST_F(OpenErrorWords, EveryFailureHasItsOwnWordsInBothLanguages) {
    for (const bool chinese : {false, true}) {
        table.IsChinese = chinese;
        std::set<std::string> texts;
        for (const OpenFailure kind : kFailures) {
            SCOPED_TRACE(static_cast<int>(kind));
            const std::string text = OpenErrorText(Failure(kind, "/dev/ttyUSB7"), table);
            EXPECT_EQ(text.find("lang_"), std::string::npos) << text;
            EXPECT_TRUE(texts.insert(text).second) << text;
            if (kind != OpenFailure::Busy) {
                EXPECT_NE(text.find("/dev/ttyUSB7"), std::string::npos) << text;
            }
        }
    }
    EXPECT_EQ(OpenErrorText({}, table), "");
}

TEST_F(OpenErrorWords, LeadWithTheReason) {
    OpenError permission = Failure(OpenFailure::Permission, "/dev/ttyUSB0");
    EXPECT_EQ(OpenErrorText(permission, table),
              "[Note]: No permission to open /dev/ttyUSB0. Join its group dialout with: sudo "
              "usermod -aG dialout $USER, then log out and log in again.");
    permission.rootOnly = true;
    EXPECT_EQ(OpenErrorText(permission, table).rfind("[Note]: Only root may open /dev/ttyUSB0", 0),
              0u);
    OpenError busy = Failure(OpenFailure::Busy, "/dev/ttyUSB0");
    busy.holderPid = 4242;
    busy.holderProgram = "minicom";
    const std::string inUse = table.GetText("lang_Info_ComInuse");
    EXPECT_EQ(OpenErrorText(busy, table), inUse + " Held by PID 4242 (minicom).");
    busy.holderPid = 0;
    EXPECT_EQ(OpenErrorText(busy, table), inUse);
    OpenError missing = Failure(OpenFailure::Missing, "/dev/ttyUSB3");
    EXPECT_EQ(OpenErrorText(missing, table),
              "[Note]: /dev/ttyUSB3 is not there. Was the adapter unplugged?");
    missing.path.clear();
    EXPECT_EQ(OpenErrorText(missing, table), "[Note]: Choose a serial port first.");
    EXPECT_EQ(OpenErrorText(Failure(OpenFailure::Other, "/dev/ttyS1"), table),
              "[Note]: Cannot open /dev/ttyS1: Input/output error");
}

// The program's own reasons read as the system's do.
TEST_F(OpenErrorWords, OwnReasonsReadAsTheSystemsDo) {
    EXPECT_EQ(OpenErrorText(FailureOf(OpenFailure::NoReader, "/dev/ttyS1"), table),
              "[Note]: Cannot open /dev/ttyS1: Unable to create read thread");
    EXPECT_EQ(OpenErrorText(FailureOf(OpenFailure::BadBaudRate, "/dev/ttyS1", "96OO"), table),
              "[Note]: Cannot open /dev/ttyS1: invalid baud rate \"96OO\"");
}

TEST_F(OpenErrorWords, OwnReasonsInChinese) {
    table.IsChinese = true;
    EXPECT_EQ(OpenErrorText(FailureOf(OpenFailure::NoReader, "/dev/ttyS1"), table),
              Utf8ToGbk("[提示]:无法打开 /dev/ttyS1: 无法创建读线程"));
    EXPECT_EQ(OpenErrorText(FailureOf(OpenFailure::BadStopBits, "/dev/ttyS1", "3"), table),
              Utf8ToGbk("[提示]:无法打开 /dev/ttyS1: 无效的停止位 \"3\""));
}

constexpr auto kNoParity = static_cast<std::uint32_t>(LineParity::None);
constexpr auto kEvenParity = static_cast<std::uint32_t>(LineParity::Even);

struct LineWordsRow {
    LineProblem problem;
    std::string english;  // as the port and the server have always been quoted
    std::string chinese;  // UTF-8
};

// Every setting and trouble a port or a server reports, in both languages;
// the system's reason stays as the system gives it.
const LineWordsRow kLineWordsRows[] = {
    {{LineSetting::BaudRate, LineTrouble::NotKept, LineHolder::Port, 115200, 9600},
     "baud rate 115200 asked, port has 9600",
     "要求波特率为 115200,串口为 9600"},
    {{LineSetting::InputBaudRate, LineTrouble::NotKept, LineHolder::Port, 115200, 9600},
     "input baud rate 115200 asked, port has 9600",
     "要求输入波特率为 115200,串口为 9600"},
    {{LineSetting::DataBits, LineTrouble::NotKept, LineHolder::Port, 5, 8},
     "character size 5 asked, port has 8",
     "要求数据位为 5,串口为 8"},
    {{LineSetting::Parity, LineTrouble::NotKept, LineHolder::Port, kEvenParity, kNoParity},
     "parity even asked, port has none",
     "要求校验位为 偶校验,串口为 无校验"},
    {{LineSetting::StopBits, LineTrouble::NotKept, LineHolder::Port, 2, 1},
     "stop bits 2 asked, port has 1",
     "要求停止位为 2,串口为 1"},
    {{LineSetting::FlowControl, LineTrouble::NotKept, LineHolder::Port, 1, 0},
     "hardware flow control on asked, port has off",
     "要求硬件流控为 开,串口为 关"},
    {{LineSetting::BaudRate, LineTrouble::OutOfRange, LineHolder::Port, 0},
     "baud rate 0 asked, a port takes 50 to 4000000",
     "要求波特率为 0,串口只接受 50 到 4000000"},
    {{LineSetting::Line, LineTrouble::Refused, LineHolder::Port, 0, 0, EIO},
     std::string("line settings refused: ") + std::strerror(EIO),
     std::string("系统拒绝线路参数: ") + std::strerror(EIO)},
    {{LineSetting::BaudRate, LineTrouble::Refused, LineHolder::Port, 14400, 0, EINVAL},
     std::string("baud rate 14400 refused: ") + std::strerror(EINVAL),
     std::string("系统拒绝波特率 14400: ") + std::strerror(EINVAL)},
    {{LineSetting::Line, LineTrouble::Unreadable, LineHolder::Port, 0, 0, EIO},
     std::string("line settings cannot be read back: ") + std::strerror(EIO),
     std::string("无法读回线路参数: ") + std::strerror(EIO)},
    {{LineSetting::Line, LineTrouble::NoComPortOption, LineHolder::Server},
     "the server does not offer the com-port option",
     "服务器不提供串口控制选项"},
    {{LineSetting::BaudRate, LineTrouble::NotKept, LineHolder::Server, 115200, 9600},
     "baud rate 115200 asked, server has 9600",
     "要求波特率为 115200,服务器为 9600"},
    {{LineSetting::BaudRate, LineTrouble::NotConfirmed, LineHolder::Server, 115200},
     "baud rate 115200 asked, the server did not confirm it",
     "要求波特率为 115200,服务器未确认"},
    {{LineSetting::DataBits, LineTrouble::NotKept, LineHolder::Server, 8, 7},
     "data bits 8 asked, server has 7",
     "要求数据位为 8,服务器为 7"},
    {{LineSetting::Parity, LineTrouble::NotKept, LineHolder::Server, kNoParity, kEvenParity},
     "parity NONE asked, server has EVEN",
     "要求校验位为 NONE,服务器为 EVEN"},
    {{LineSetting::Parity, LineTrouble::UnknownAnswer, LineHolder::Server, kNoParity, 9},
     "parity NONE asked, server has code 9",
     "要求校验位为 NONE,服务器答以未定义的代码 9"},
};

TEST_F(OpenErrorWords, LineProblemsInBothLanguages) {
    for (const LineWordsRow& row : kLineWordsRows) {
        SCOPED_TRACE(row.english);
        table.IsChinese = false;
        EXPECT_EQ(LineProblemText(row.problem, table, SystemWords::AsGiven), row.english);
        EXPECT_EQ(OpenErrorText(LineSettingsError("/dev/ttyS1", row.problem), table),
                  "[Note]: /dev/ttyS1 does not take the chosen line settings (" + row.english +
                      "). Choose another baud rate or parity, data or stop bits.");
        table.IsChinese = true;
        EXPECT_EQ(LineProblemText(row.problem, table, SystemWords::AsGiven),
                  Utf8ToGbk(row.chinese));
    }
}

TEST(FillTextArgs, ReplacesInOnePass) {
    EXPECT_EQ(FillTextArgs("%1 and %2", {"a%2", "b"}), "a%2 and b");
    EXPECT_EQ(FillTextArgs("100% %3 %1", {"x"}), "100% %3 x");
    EXPECT_EQ(FillTextArgs("%", {"x"}), "%");
}

}  // namespace
}  // namespace dtu
