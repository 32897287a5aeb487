#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/key_label.h"
#include "cli/profile_render.h"
#include "form/form_profile.h"
#include "tests/cli/cli_run.h"
#include "tests/lang/test_support.h"
#include "tests/session/worked_example_model.h"
#include "tools/dtusim/pty_device.h"

namespace dtu::cli {
namespace {

using DiffLines = std::vector<std::string>;

// Whether each line is a query or the escape: nothing a device would keep.
bool OnlyQueries(const DiffLines& lines) {
    return std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find('=') == std::string::npos && line != "ATW\r\n";
    });
}

// The escaped text the dry run prints for a line, back to its bytes.
std::string UnescapedLine(std::string text) {
    for (const auto& [shown, byte] : {std::pair{"\\r", "\r"}, {"\\n", "\n"}}) {
        for (std::size_t at = text.find(shown); at != std::string::npos; at = text.find(shown)) {
            text.replace(at, 2, byte);
        }
    }
    return text;
}

// diff and write --dry-run against one simulated device that holds the
// worked example.
class DiffEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        device.Start();
        ASSERT_EQ(
            RunCommand({"write", device.SlavePath(), "--profile", Profile("held.ini")}).status, 0);
        before = device.ReceivedLines().size();
    }

    std::string Profile(const std::string& name, void (*change)(FormModel&) = nullptr) {
        FormModel form;
        LoadWorkedExample(form);
        if (change != nullptr) {
            change(form);
        }
        const std::string path = (dir / name).string();
        testing::WriteBytes(path, ProfileIni(form, ""));
        return path;
    }

    // What the device received since it took the worked example.
    DiffLines Received() const {
        const DiffLines lines = device.ReceivedLines();
        return DiffLines(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end());
    }

    testing::TempDir dir;
    sim::PtyDevice device;
    std::size_t before = 0;
};

TEST_F(DiffEndToEnd, TheSameProfileShowsNoDifference) {
    const CliRun run = RunCommand({"diff", device.SlavePath(), "--profile", Profile("same.ini")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(Has(run.err, ": success (firmware V3.38, ")) << run.err;
    EXPECT_FALSE(Received().empty());
    EXPECT_TRUE(OnlyQueries(Received()));
}

TEST_F(DiffEndToEnd, OneChangeIsOneLineAndTheDeviceKeepsItsValue) {
    const std::string profile = Profile(
        "changed.ini", [](FormModel& f) { f.SetText(Field::Socket1Host, "elsewhere.example"); });
    const CliRun run = RunCommand({"diff", device.SlavePath(), "--profile", profile});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "DTM/IP1 (IP/Domain 1): host1 -> elsewhere.example\n");
    EXPECT_TRUE(Has(run.err, ": differs in diff")) << run.err;
    EXPECT_TRUE(OnlyQueries(Received()));
    EXPECT_EQ(device.Saved().sockets[0].host, "host1");

    const CliRun json = RunCommand({"diff", device.SlavePath(), "--profile", profile, "--json"});
    EXPECT_EQ(json.status, 1);
    EXPECT_TRUE(Has(json.out,
                    "\"key\": \"DTM/IP1\",\n          \"device\": \"host1\",\n"
                    "          \"profile\": \"elsewhere.example\""))
        << json.out;
}

TEST_F(DiffEndToEnd, AValueTheDeviceDoesNotReportIsNotRead) {
    device.LeaveOut("CIPR");
    const CliRun run = RunCommand({"diff", device.SlavePath(), "--profile", Profile("same.ini")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, LabelledKey(ProfileKeyName(Field::BaudRate)) + ": not read\n");
    EXPECT_TRUE(OnlyQueries(Received()));
}

TEST_F(DiffEndToEnd, ADryRunPrintsTheLinesAWriteSendsAndSendsNone) {
    const std::string profile =
        Profile("next.ini", [](FormModel& f) { f.SetText(Field::PackingTime, "20"); });
    for (const char* view : {"full", "compact"}) {
        SCOPED_TRACE(view);
        before = device.ReceivedLines().size();
        const sim::DeviceConfig held = device.Saved();
        const CliRun dry = RunCommand(
            {"write", device.SlavePath(), "--profile", profile, "--view", view, "--dry-run"});
        EXPECT_EQ(dry.status, 0) << dry.err;
        EXPECT_TRUE(OnlyQueries(Received()));
        EXPECT_EQ(device.Saved(), held);
        DiffLines printed;
        std::istringstream lines(dry.out);
        for (std::string line; std::getline(lines, line);) {
            printed.push_back(UnescapedLine(line));
        }
        ASSERT_FALSE(printed.empty());
        EXPECT_EQ(printed.back(), "ATW\r\n");

        // The write that follows sends exactly those lines after its version query.
        before = device.ReceivedLines().size();
        ASSERT_EQ(
            RunCommand({"write", device.SlavePath(), "--profile", profile, "--view", view}).status,
            0);
        const DiffLines written = Received();
        const auto version = std::find(written.rbegin(), written.rend(), "AT+CIVER?\r\n");
        ASSERT_NE(version, written.rend());
        EXPECT_EQ(DiffLines(version.base(), written.end()), printed);
    }
}

}  // namespace
}  // namespace dtu::cli
