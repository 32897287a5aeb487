#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "protocol/find_try.h"
#include "tests/cli/cli_run.h"
#include "tests/netport/ser2net_server.h"
#include "tools/dtusim/pty_device.h"

namespace dtu::cli {
namespace {

// Only the probe and the escape reached the device.
void ExpectOnlyProbes(const sim::PtyDevice& device) {
    const std::set<std::string> allowed = {kFindProbe, kFindEscape, kFindEscapeAck};
    for (const std::string& line : device.ReceivedLines()) {
        EXPECT_TRUE(allowed.contains(line)) << line;
    }
}

struct HiddenDevice {
    const char* name;
    int baud;
    bool dataMode;
    bool noiseElsewhere;
    const char* found;  // the line after "PORT: "
};

class FindEndToEnd : public ::testing::TestWithParam<HiddenDevice> {};

TEST_P(FindEndToEnd, TheDeviceIsFoundAndAnswersAtWhatWasFound) {
    const HiddenDevice& row = GetParam();
    sim::PtyDevice device(row.dataMode ? sim::Mode::kData : sim::Mode::kCommand);
    ASSERT_TRUE(device.SetBaudRate(row.baud));
    device.SetNoiseAtWrongSpeed(row.noiseElsewhere);
    device.Start();
    const std::string port = device.SlavePath();

    const CliRun find = RunCommand({"find", port});
    EXPECT_EQ(find.status, 0) << find.out << find.err;
    EXPECT_TRUE(Has(find.out, port + ": " + row.found)) << find.out;
    ExpectOnlyProbes(device);
    EXPECT_EQ(device.CurrentMode(), sim::Mode::kCommand);

    const CliRun version = RunCommand({"version", port, "--baud", std::to_string(row.baud)});
    EXPECT_EQ(version.status, 0) << version.out << version.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FindEndToEnd,
    ::testing::Values(
        HiddenDevice{"At9600", 9600, false, true, "9600,NONE,8,1 (firmware V3.38), found in "},
        HiddenDevice{"At1200SilentElsewhere", 1200, false, false,
                     "1200,NONE,8,1 (firmware V3.38), found in "},
        HiddenDevice{"InDataMode", 57600, true, true,
                     "57600,NONE,8,1 (firmware V3.38, was in data mode, now in command mode), "
                     "found in "}),
    [](const ::testing::TestParamInfo<HiddenDevice>& row) { return std::string(row.param.name); });

// An empty line is searched whole within a minute while the port beside it
// finds its device; the JSON tells both.
TEST(FindEndToEndBatch, AnEmptyLineIsNotFoundBesideAPortThatIs) {
    sim::PtyDevice silent;
    silent.SilentAfter(0);
    silent.Start();
    sim::PtyDevice device;
    ASSERT_TRUE(device.SetBaudRate(38400));
    device.Start();

    const CliRun find = RunCommand({"find", silent.SlavePath(), device.SlavePath(), "--json"});
    EXPECT_EQ(find.status, 1) << find.out << find.err;
    const std::string& json = find.out;
    EXPECT_TRUE(Has(json, "\"outcome\": \"not-found\"")) << json;
    EXPECT_TRUE(Has(json, "\"tried\": 77")) << json;
    EXPECT_TRUE(Has(json, "\"outcome\": \"found\"")) << json;
    EXPECT_TRUE(Has(json, "\"baudRate\": \"38400\"")) << json;
    const std::size_t seconds = json.find("\"seconds\": ");
    ASSERT_NE(seconds, std::string::npos);
    EXPECT_LE(std::stod(json.substr(seconds + 11)), 60.0) << json;
    ExpectOnlyProbes(silent);
    ExpectOnlyProbes(device);
}

// Behind RFC 2217 the speeds go to the server; behind plain TCP the server's own line is probed.
TEST(FindEndToEndBatch, DevicesBehindSerialDeviceServers) {
    sim::PtyDevice viaRfc2217;
    ASSERT_TRUE(viaRfc2217.SetBaudRate(9600));
    viaRfc2217.Start();
    sim::PtyDevice viaRaw;
    viaRaw.Start();
    const dtu::testing::Ser2netServer rfc2217(viaRfc2217.SlavePath());
    const dtu::testing::Ser2netServer raw(viaRaw.SlavePath());
    ASSERT_EQ(rfc2217.Failure() + raw.Failure(), "");

    const CliRun find = RunCommand({"find", rfc2217.Rfc2217Name(), raw.RawName()});
    EXPECT_EQ(find.status, 0) << find.out << find.err;
    EXPECT_TRUE(Has(find.out, rfc2217.Rfc2217Name() + ": 9600,NONE,8,1 (firmware V3.38)"))
        << find.out;
    EXPECT_TRUE(Has(find.out, raw.RawName() + ": the server's line settings (firmware V3.38)"))
        << find.out;
    ExpectOnlyProbes(viaRfc2217);
    ExpectOnlyProbes(viaRaw);
}

TEST(FindEndToEndBatch, AnUnknownPortIsAPortError) {
    const CliRun find = RunCommand({"find", "/dev/dtu-no-such-port"});
    EXPECT_EQ(find.status, 4);
    EXPECT_TRUE(Has(find.err, "unknown port /dev/dtu-no-such-port")) << find.err;
}

}  // namespace
}  // namespace dtu::cli
