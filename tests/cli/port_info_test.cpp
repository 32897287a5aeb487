#include "cli/port_info.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/lang/test_support.h"

namespace dtu::cli {
namespace {

using testing::TempDir;
using testing::WriteBytes;

OpenError Failed(OpenFailure kind) {
    OpenError error;
    error.kind = kind;
    error.path = "/dev/ttyUSB7";
    return error;
}

TEST(PortInfo, SaysWhyAPortDidNotOpenAndWhatToDo) {
    OpenError group = Failed(OpenFailure::Permission);
    group.group = "uucp";
    OpenError rootOnly = Failed(OpenFailure::Permission);
    rootOnly.rootOnly = true;
    OpenError held = Failed(OpenFailure::Busy);
    held.holderPid = 4242;
    held.holderProgram = "minicom";
    OpenError line = Failed(OpenFailure::LineSettings);
    line.line = {LineSetting::BaudRate, LineTrouble::NotKept, LineHolder::Port, 14400, 9600};
    struct Row {
        OpenError error;
        std::string said;
    };
    const Row rows[] = {
        {group,
         "/dev/ttyUSB7: permission denied: it belongs to the group uucp; join it "
         "(sudo usermod -aG uucp $USER) and log in again"},
        {rootOnly, "/dev/ttyUSB7: permission denied: only root may open it"},
        {held, "/dev/ttyUSB7: busy, held by PID 4242 (minicom)"},
        {Failed(OpenFailure::Busy), "/dev/ttyUSB7: busy, held by another program"},
        {Failed(OpenFailure::Missing), "/dev/ttyUSB7: no such device (unplugged?)"},
        {line,
         "/dev/ttyUSB7: does not take these line settings: baud rate 14400 asked, port "
         "has 9600"},
        {Failed(OpenFailure::ServerClosed),
         "/dev/ttyUSB7: cannot be opened: the server closed the connection"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ExplainOpenFailure(row.error), row.said);
    }
}

// Each way a port can fail to open reads differently and names the port.
TEST(PortInfo, EveryFailureHasItsOwnLine) {
    std::set<std::string> lines;
    for (const OpenFailure kind :
         {OpenFailure::Permission, OpenFailure::Busy, OpenFailure::Missing,
          OpenFailure::LineSettings, OpenFailure::Other, OpenFailure::BadAddress,
          OpenFailure::NoSuchHost, OpenFailure::Refused, OpenFailure::Unreachable,
          OpenFailure::NoAnswer, OpenFailure::ServerLine, OpenFailure::ServerClosed,
          OpenFailure::PlainServer, OpenFailure::Cancelled, OpenFailure::NotConnected}) {
        const std::string line = ExplainOpenFailure(Failed(kind));
        EXPECT_EQ(line.rfind("/dev/ttyUSB7: ", 0), 0u) << line;
        EXPECT_TRUE(lines.insert(line).second) << line;
    }
}

TEST(PortInfo, AnUnknownPortIsSaidSo) {
    TempDir dir;
    const std::string node = (dir / "ttyUSB7").string();
    WriteBytes(node, "");
    EXPECT_EQ(UnknownPort(node), std::nullopt);
    EXPECT_EQ(UnknownPort((dir / "ttyUSB8").string()),
              "unknown port " + (dir / "ttyUSB8").string() +
                  ": no such device (dtuconfig-cli ports lists the ports)");
}

}  // namespace
}  // namespace dtu::cli
