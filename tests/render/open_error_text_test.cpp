#include "render/open_error_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "lang/builtin_texts.h"

namespace dtu {
namespace {

constexpr OpenFailure kFailures[] = {
    OpenFailure::Permission,   OpenFailure::Busy,        OpenFailure::Missing,
    OpenFailure::LineSettings, OpenFailure::Other,       OpenFailure::TooManyFiles,
    OpenFailure::AlreadyOpen,  OpenFailure::NoSettings,  OpenFailure::NoReader,
    OpenFailure::NoWriter,     OpenFailure::BadBaudRate, OpenFailure::BadDataBits,
    OpenFailure::BadStopBits,  OpenFailure::BadAddress,  OpenFailure::NoSuchHost,
    OpenFailure::Refused,      OpenFailure::Unreachable, OpenFailure::NoAnswer,
    OpenFailure::ServerLine,
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

TEST(FillTextArgs, ReplacesInOnePass) {
    EXPECT_EQ(FillTextArgs("%1 and %2", {"a%2", "b"}), "a%2 and b");
    EXPECT_EQ(FillTextArgs("100% %3 %1", {"x"}), "100% %3 x");
    EXPECT_EQ(FillTextArgs("%", {"x"}), "%");
}

}  // namespace
}  // namespace dtu
