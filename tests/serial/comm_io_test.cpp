#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "comm_fixture.h"
#include "serial/read_worker.h"

namespace dtu::test {
namespace {

class CommIo : public CommFixture {
protected:
    void SetUp() override {
        // Long enough that one write from the test always lands as one burst.
        comm.SetReadIntervalTimeout(200);
        comm.StartPort();
    }
};

TEST_F(CommIo, BurstArrivesAsOneBlock) {
    std::string burst(1500, 'x');
    for (std::size_t i = 0; i < burst.size(); ++i) {
        burst[i] = static_cast<char>('a' + i % 26);
    }
    pty.Write(burst);
    ASSERT_TRUE(poster.PumpUntil([&] { return !blocks.empty(); }));
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0], burst);
}

TEST_F(CommIo, SeparateBurstsArriveAsSeparateBlocks) {
    pty.Write("OK\r\n");
    ASSERT_TRUE(poster.PumpUntil([&] { return blocks.size() == 1; }));
    pty.Write("ERROR\r\n");
    ASSERT_TRUE(poster.PumpUntil([&] { return blocks.size() == 2; }));
    EXPECT_EQ(blocks[0], "OK\r\n");
    EXPECT_EQ(blocks[1], "ERROR\r\n");
}

TEST_F(CommIo, LongBurstIsSplitIntoFullSizeBlocksInOrder) {
    std::string burst;
    for (int i = 0; burst.size() < 5000; ++i) {
        burst += std::to_string(i) + ",";
    }
    pty.Write(burst);
    ASSERT_TRUE(poster.PumpUntil([&] { return BytesReceived() >= burst.size(); }));
    EXPECT_EQ(AllReceived(), burst);
    EXPECT_GE(blocks.size(), 3u);
    for (const std::string& block : blocks) {
        EXPECT_LE(block.size(), kReadBlockSize);
    }
}

TEST_F(CommIo, AReaderOfLinesGetsEachLineAtOnceAndASlowDevicesBytesAsTheyCome) {
    comm.SetDeliverAtLineEnd(true);
    // Far longer than the wait below: only the line end can have closed the block.
    comm.SetReadIntervalTimeout(60000);
    pty.Write("\r\nOK\r\n");
    ASSERT_TRUE(poster.PumpUntil([&] { return !blocks.empty(); }));
    EXPECT_EQ(blocks, std::vector<std::string>{"\r\nOK\r\n"});

    // Bytes closer together than the interval, for four intervals: not one block.
    comm.SetReadIntervalTimeout(100);
    for (int i = 0; i < 20; ++i) {
        pty.Write("~");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_TRUE(poster.PumpUntil([&] { return BytesReceived() == 6 + 20; }));
    EXPECT_GE(blocks.size(), 3u);
}

TEST_F(CommIo, ZeroBytesInsideABlockKeepTheCount) {
    const std::string burst("AB\0\0CD\0", 7);
    pty.Write(burst);
    ASSERT_TRUE(poster.PumpUntil([&] { return !blocks.empty(); }));
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0], burst);
}

TEST_F(CommIo, BlocksGoOutWholeAndInWriteOrder) {
    std::string expected;
    for (int i = 0; i < 20; ++i) {
        std::string block = "AT+LINE" + std::to_string(i) + "=" + std::string(300, 'v') + "\r\n";
        ASSERT_TRUE(comm.WriteBlock(block.data(), static_cast<std::uint16_t>(block.size())));
        expected += block;
    }
    EXPECT_EQ(pty.Read(expected.size()), expected);
}

TEST_F(CommIo, BlockLargerThanThePtyBufferGoesOutWhole) {
    std::string block(65535, 'q');
    block.front() = '<';
    block.back() = '>';
    ASSERT_TRUE(comm.WriteBlock(block.data(), static_cast<std::uint16_t>(block.size())));
    EXPECT_EQ(pty.Read(block.size()), block);
}

TEST_F(CommIo, EmptyNoticeAtStartAndAfterABurst) {
    ASSERT_TRUE(poster.PumpUntil([&] { return emptyNotices == 1; }));
    ASSERT_TRUE(comm.WriteBlock("AT\r\n", 4));
    EXPECT_EQ(pty.Read(4), "AT\r\n");
    ASSERT_TRUE(poster.PumpUntil([&] { return emptyNotices == 2; }));
    comm.StopPort();
    poster.PumpPending();
    EXPECT_EQ(emptyNotices, 2);
}

TEST_F(CommIo, WriteBlockRefusesNothingToSendAndAClosedPort) {
    EXPECT_FALSE(comm.WriteBlock("x", 0));
    comm.StopPort();
    EXPECT_FALSE(comm.WriteBlock("x", 1));
}

TEST_F(CommIo, OtherEndClosingGivesOneHangupAndRefusesLaterWrites) {
    pty.CloseMaster();
    ASSERT_TRUE(poster.PumpUntil([&] { return hangups == 1; }));
    EXPECT_FALSE(comm.WriteBlock("AT\r\n", 4));
    comm.StopPort();
    poster.PumpPending();
    EXPECT_EQ(hangups, 1);
}

TEST(CommLifetime, NoticePostedBeforeDestructionDoesNothingAfterIt) {
    QueuePoster poster;
    PseudoTerminal pty;
    auto comm = std::make_unique<TComm>(poster);
    int calls = 0;
    comm->SetCommName(pty.SlavePath());
    comm->OnSendDataEmpty = [&] { ++calls; };
    comm->StartPort();
    ASSERT_TRUE(poster.WaitForQueued(1));  // the writer's start notice
    comm.reset();
    poster.PumpPending();
    EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace dtu::test
