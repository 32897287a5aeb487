#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "tests/session/session_fixture.h"
#include "tests/session/worked_example_model.h"

namespace dtu {
namespace {

using dtu::testing::SessionFixture;

class ScratchReadTest : public SessionFixture {};

TEST_F(ScratchReadTest, TheDeviceGoesIntoTheScratchFormAndTheFormStays) {
    FormModel& form = session.Form();
    LoadWorkedExample(form);
    form.SetText(Field::Socket1Host, "elsewhere.example");
    form.SetTick(Field::CloudEnable, true);
    int changed = 0;
    form.onChanged = [&changed](Field) { ++changed; };
    FormModel scratch;
    std::optional<RunEnd> ended;
    session.ReadAllInto(scratch, [&ended](const RunOutcome& outcome) { ended = outcome.end; });
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(ended, RunEnd::Success);
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(form.Text(Field::Socket1Host), "elsewhere.example");
    EXPECT_EQ(scratch.Text(Field::Socket1Host), "dtu.example.net");
    std::vector<Field> fields;
    for (const FieldDifference& difference : session.DifferencesOfWrite()) {
        fields.push_back(difference.field);
    }
    // The worked example against the simulated device's own settings.
    EXPECT_NE(std::find(fields.begin(), fields.end(), Field::Socket1Host), fields.end());
    EXPECT_NE(std::find(fields.begin(), fields.end(), Field::CloudEnable), fields.end());

    // The next read fills the form again.
    session.ReadAll();
    ASSERT_TRUE(RunToVerdict());
    EXPECT_EQ(form.Text(Field::Socket1Host), "dtu.example.net");
    EXPECT_GT(changed, 0);
}

TEST_F(ScratchReadTest, AnotherActionEndsTheScratchReadAndItsTarget) {
    FormModel scratch;
    scratch.SetText(Field::Socket1Host, "untouched");
    std::optional<RunEnd> ended;
    session.ReadAllInto(scratch, [&ended](const RunOutcome& outcome) { ended = outcome.end; });
    session.ReadAll();
    ASSERT_TRUE(RunToVerdict());
    ASSERT_TRUE(loop.RunUntil([&] { return outcomes.back().end == RunEnd::Success; },
                              std::chrono::seconds(20)));
    EXPECT_EQ(session.Form().Text(Field::Socket1Host), "dtu.example.net");
    EXPECT_EQ(scratch.Text(Field::Socket1Host), "untouched");
    EXPECT_EQ(ended, RunEnd::Interrupted);
}

}  // namespace
}  // namespace dtu
