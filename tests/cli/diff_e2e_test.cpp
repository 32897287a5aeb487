#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/profile_render.h"
#include "tests/cli/cli_run.h"
#include "tests/lang/test_support.h"
#include "tests/session/worked_example_model.h"
#include "tools/dtusim/pty_device.h"

namespace dtu::cli {
namespace {

using DiffLines = std::vector<std::string>;

// diff and write --dry-run against a simulated device that holds the worked example.
class DiffEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        device.Start();
        ASSERT_EQ(Run({"write", "--profile", Profile()}).status, 0);
        before = device.ReceivedLines().size();
    }

    std::string Profile(void (*change)(FormModel&) = [](FormModel&) {}) {
        FormModel form;
        LoadWorkedExample(form);
        change(form);
        const std::string path = (dir / ("p" + std::to_string(++profiles) + ".ini")).string();
        testing::WriteBytes(path, ProfileIni(form, ""));
        return path;
    }
    CliRun Run(std::vector<std::string> args) {
        args.insert(args.begin() + 1, device.SlavePath());
        return RunCommand(args);
    }
    // What the device received since `before`, each line as the dry run shows it.
    std::string Received() const {
        std::string text;
        const DiffLines lines = device.ReceivedLines();
        for (auto line = lines.begin() + static_cast<std::ptrdiff_t>(before); line != lines.end();
             ++line) {
            text += line->substr(0, line->size() - 2) + "\\r\\n\n";
        }
        return text;
    }
    // Queries only: no set line, no save.
    bool OnlyQueries() const { return !Has(Received(), "=") && !Has(Received(), "ATW"); }

    testing::TempDir dir;
    sim::PtyDevice device;
    std::size_t before = 0;
    int profiles = 0;
};

TEST_F(DiffEndToEnd, SameChangedAndNotRead) {
    CliRun run = Run({"diff", "--profile", Profile()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");

    const std::string changed =
        Profile([](FormModel& f) { f.SetText(Field::Socket1Host, "elsewhere.example"); });
    run = Run({"diff", "--profile", changed});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "DTM/IP1 (IP/Domain 1): host1 -> elsewhere.example\n");
    run = Run({"diff", "--profile", changed, "--json"});
    EXPECT_TRUE(Has(run.out,
                    "\"key\": \"DTM/IP1\",\n          \"device\": \"host1\",\n"
                    "          \"profile\": \"elsewhere.example\""))
        << run.out;

    device.LeaveOut("CIPSTART");
    run = Run({"diff", "--profile", changed});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.out, "DTM/IP1 (IP/Domain 1): not read\n")) << run.out;
    EXPECT_TRUE(OnlyQueries());
    EXPECT_EQ(device.Saved().sockets[0].host, "host1");
}

TEST_F(DiffEndToEnd, ADryRunPrintsTheLinesAWriteSendsAndSendsNone) {
    const std::string profile = Profile([](FormModel& f) { f.SetText(Field::PackingTime, "20"); });
    for (const char* view : {"full", "compact"}) {
        SCOPED_TRACE(view);
        before = device.ReceivedLines().size();
        const sim::DeviceConfig held = device.Saved();
        const CliRun dry = Run({"write", "--profile", profile, "--view", view, "--dry-run"});
        EXPECT_EQ(dry.status, 0) << dry.err;
        EXPECT_TRUE(OnlyQueries());
        EXPECT_EQ(device.Saved(), held);
        // The write that follows sends exactly those lines after its version query.
        before = device.ReceivedLines().size();
        ASSERT_EQ(Run({"write", "--profile", profile, "--view", view}).status, 0);
        const std::string written = Received();
        const std::string version = "AT+CIVER?\\r\\n\n";
        ASSERT_NE(written.rfind(version), std::string::npos) << written;
        const std::string expected = written.substr(written.rfind(version) + version.size());
        EXPECT_TRUE(expected.ends_with("ATW\\r\\n\n")) << written;
        EXPECT_EQ(dry.out, expected);
    }
}

}  // namespace
}  // namespace dtu::cli
