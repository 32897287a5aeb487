#include <gtest/gtest.h>

#include <optional>

#include "tests/session/session_fixture.h"

namespace dtu {
namespace {

class ScratchReadTest : public dtu::testing::SessionFixture {};

// The device goes into the scratch form until another action ends the read;
// the form, and the next read, stay its own.
TEST_F(ScratchReadTest, AnotherActionEndsTheScratchReadAndItsTarget) {
    FormModel scratch;
    scratch.SetText(Field::Socket1Host, "untouched");
    std::optional<RunEnd> ended;
    session.ReadAllInto(scratch, [&ended](const RunOutcome& outcome) { ended = outcome.end; });
    session.ReadAll();
    EXPECT_EQ(ended, RunEnd::Interrupted);
    ASSERT_TRUE(loop.RunUntil([&] { return outcomes.back().end == RunEnd::Success; },
                              std::chrono::seconds(20)));
    EXPECT_EQ(session.Form().Text(Field::Socket1Host), "dtu.example.net");
    EXPECT_EQ(scratch.Text(Field::Socket1Host), "untouched");
}

}  // namespace
}  // namespace dtu
