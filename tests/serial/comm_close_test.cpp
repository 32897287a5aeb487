#include <chrono>
#include <string>

#include "comm_fixture.h"

namespace dtu::test {
namespace {

using CommClose = CommFixture;

TEST_F(CommClose, NothingOfAnEarlierOpenArrivesAfterAReopen) {
    comm.StartPort();
    pty.Write("from the first open");
    ASSERT_TRUE(poster.WaitForQueued(2));  // the writer's start notice and the block
    pty.CloseMaster();
    ASSERT_TRUE(poster.WaitForQueued(3));  // and the hang-up

    comm.StopPort();
    PseudoTerminal second;
    comm.SetCommName(second.SlavePath());
    comm.StartPort();
    ASSERT_TRUE(poster.PumpUntil([&] { return emptyNotices == 1; }));
    poster.PumpPending();
    EXPECT_TRUE(blocks.empty());
    EXPECT_EQ(hangups, 0);
    EXPECT_EQ(emptyNotices, 1);

    second.Write("from the second");
    ASSERT_TRUE(poster.PumpUntil([&] { return !blocks.empty(); }));
    EXPECT_EQ(AllReceived(), "from the second");
}

TEST_F(CommClose, DropsOutputTheOtherSideNeverRead) {
    comm.SetHardwareFlowControl(true);
    comm.StartPort();
    ASSERT_TRUE(poster.PumpUntil([&] { return emptyNotices == 1; }));
    // More than the reading side's own buffer takes: the rest waits in the
    // terminal's output, as it would behind a UART held up by CTS.
    const std::string block(8192, 'w');
    ASSERT_TRUE(comm.WriteBlock(block.data(), static_cast<std::uint16_t>(block.size())));
    ASSERT_TRUE(poster.PumpUntil([&] { return emptyNotices == 2; }));

    auto started = std::chrono::steady_clock::now();
    comm.StopPort();
    EXPECT_LT(std::chrono::steady_clock::now() - started, kPatience);
    EXPECT_LE(pty.ReadUntilClosed().size(), 4096u);
}

}  // namespace
}  // namespace dtu::test
