#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli/profile_render.h"
#include "form/form_model.h"
#include "tests/cli/cli_run.h"
#include "tests/lang/test_support.h"
#include "tests/session/worked_example_model.h"
#include "tools/dtusim/pty_device.h"

namespace dtu::cli {
namespace {

using namespace std::chrono_literals;
using ::dtu::testing::ReadBytes;
using ::dtu::testing::TempDir;
using ::dtu::testing::WriteBytes;

// The registration packet "LOGIN:<id>" as the device keeps it, in hexadecimal.
std::string LoginHex(const std::string& id) {
    std::string hex = "4C4F47494E3A";
    for (const char digit : id) {
        hex += "3" + std::string(1, digit);
    }
    return hex;
}

// Writes with a device list against several simulated devices.
class DeviceListEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        FormModel form;
        LoadWorkedExample(form);
        profile = (dir / "base.ini").string();
        WriteBytes(profile, ProfileIni(form, ""));
        record = (dir / "record.csv").string();
    }

    sim::PtyDevice& AddDevice() {
        devices.push_back(std::make_unique<sim::PtyDevice>());
        devices.back()->Start();
        return *devices.back();
    }
    std::string Port(std::size_t index) const { return devices.at(index)->SlavePath(); }
    std::string Login(std::size_t index) const { return devices.at(index)->Saved().packets[1].hex; }

    std::string List(const std::string& text) {
        const std::string path = (dir / "devices.csv").string();
        WriteBytes(path, text);
        return path;
    }

    TempDir dir;
    std::string profile;
    std::string record;
    std::vector<std::unique_ptr<sim::PtyDevice>> devices;
};

TEST_F(DeviceListEndToEnd, EachPortTakesItsRowAndTheRecordKeepsWhatItSet) {
    for (int i = 0; i < 3; ++i) {
        AddDevice();
    }
    // The second device is named by a link, as a by-id name leads to its device.
    const std::string link = (dir / "usb-bench-2").string();
    ASSERT_TRUE(devices[1]->MakeLink(link));
    const std::string list = List(
        "DTM/LoginFormat,port,DTM/CloudPassword\r\n"
        "LOGIN:1003," +
        Port(2) +
        ",pw3\r\n"
        "LOGIN:1002," +
        link +
        ",pw2\r\n"
        "\"LOGIN:1001\"," +
        Port(0) + ",\r\n");
    const CliRun run = RunCommand({"write", Port(0), Port(1), Port(2), "--profile", profile,
                                   "--devices", list, "--record", record, "--verify"});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(Login(0), LoginHex("1001"));
    EXPECT_EQ(Login(1), LoginHex("1002"));
    EXPECT_EQ(Login(2), LoginHex("1003"));
    const std::string lines = ReadBytes(record);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 4) << lines;
    EXPECT_TRUE(Has(lines, ",V3.38," + list + ",3,success,matched,DTM/LoginFormat=LOGIN:1001\n"));
    EXPECT_TRUE(Has(lines, "," + Port(1) + ",V3.38," + list + ",2,success,matched,"));
    EXPECT_TRUE(Has(lines, ",1,success,matched,DTM/LoginFormat=LOGIN:1003; DTM/CloudPassword=***"));
    EXPECT_FALSE(Has(lines, ",pw"));
}

TEST_F(DeviceListEndToEnd, RowsInOrderUntilEveryRowIsDone) {
    AddDevice();
    AddDevice();
    const std::string list = List("DTM/LoginFormat\nLOGIN:2001\nLOGIN:2002\nLOGIN:2003\n");
    const std::vector<std::string> both = {"write", Port(0),     Port(1), "--profile",
                                           profile, "--devices", list};
    CliRun run = RunCommand(both);
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(Has(run.err, "needs --record FILE")) << run.err;

    std::vector<std::string> withRecord = both;
    withRecord.insert(withRecord.end(), {"--record", record});
    // A dry run shows the rows' lines and takes no row.
    std::vector<std::string> dryRun = withRecord;
    dryRun.push_back("--dry-run");
    run = RunCommand(dryRun);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(Has(run.out, LoginHex("2002"))) << run.out;
    EXPECT_FALSE(std::filesystem::exists(record));
    run = RunCommand(withRecord);
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(Login(0), LoginHex("2001"));
    EXPECT_EQ(Login(1), LoginHex("2002"));
    // One row left for two ports: nothing is sent.
    const std::size_t before = LinesReceived(devices);
    run = RunCommand(withRecord);
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(Has(run.err, "1 rows of " + list + " are left for 2 ports")) << run.err;
    EXPECT_EQ(LinesReceived(devices), before);

    run =
        RunCommand({"write", Port(1), "--profile", profile, "--devices", list, "--record", record});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(Login(1), LoginHex("2003"));
    const std::size_t done = LinesReceived(devices);
    run =
        RunCommand({"write", Port(0), "--profile", profile, "--devices", list, "--record", record});
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(Has(run.err, "every row of " + list + " is done")) << run.err;
    EXPECT_EQ(LinesReceived(devices), done);
}

struct BadListCase {
    const char* name;
    std::string header;
    std::string rows;  // "%0", "%1": the ports
    const char* error;
};

TEST_F(DeviceListEndToEnd, AnyBadRowStopsEverythingBeforeAPortOpens) {
    AddDevice();
    AddDevice();
    const BadListCase cases[] = {
        {"bad cell", "port,DTM/Port1", "%0,2317\n%1,70000\n",
         ":3:2: DTM/Port1=70000: a port number from 0 to 65535 or nothing is due"},
        {"unknown column", "port,DTM/Port9", "%0,1\n%1,2\n",
         ":1:2: DTM/Port9: no profile key of that name"},
        {"port twice", "port,DTM/IP1", "%0,a\n%0,b\n", ":3:1: port "},
        {"port without a row", "port,DTM/IP1", "%0,a\n", " has no row in "},
        {"cells missing", "port,DTM/IP1", "%0\n%1,b\n", ":2:2: the row's cell count (1) differs"},
    };
    for (const BadListCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string rows = c.rows;
        for (std::size_t at; (at = rows.find('%')) != std::string::npos;) {
            rows.replace(at, 2, Port(rows[at + 1] == '0' ? 0 : 1));
        }
        const std::string list = List(c.header + "\n" + rows);
        const std::string report = (dir / "report.json").string();
        const CliRun run = RunCommand({"write", Port(0), Port(1), "--profile", profile, "--devices",
                                       list, "--record", record, "--report", report});
        EXPECT_EQ(run.status, 3);
        EXPECT_TRUE(Has(run.err, c.error)) << run.err;
        EXPECT_TRUE(Has(ReadBytes(report), "bad device list")) << ReadBytes(report);
        EXPECT_EQ(LinesReceived(devices), 0u);
        EXPECT_FALSE(std::filesystem::exists(record));
    }
}

// The program is stopped in the middle of a device: its row is not done, and
// the next run on the bench takes it again.
TEST_F(DeviceListEndToEnd, AnInterruptedRowIsTakenAgain) {
    sim::PtyDevice& stalled = AddDevice();
    stalled.SilentAfter(2);
    const std::string list = List("DTM/LoginFormat\nLOGIN:3001\nLOGIN:3002\n");
    const std::string port = Port(0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl(DTUCONFIG_CLI_EXECUTABLE, "dtuconfig-cli", "write", port.c_str(), "--profile",
                profile.c_str(), "--devices", list.c_str(), "--record", record.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(child, 0);
    ASSERT_TRUE(stalled.WaitForLine(2, 10s));
    ASSERT_EQ(::kill(child, SIGINT), 0);
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    EXPECT_TRUE(Has(ReadBytes(record), ",1,interrupted,not asked,DTM/LoginFormat=LOGIN:3001\n"))
        << ReadBytes(record);

    AddDevice();
    const CliRun run =
        RunCommand({"write", Port(1), "--profile", profile, "--devices", list, "--record", record});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(Login(1), LoginHex("3001"));
}

}  // namespace
}  // namespace dtu::cli
