#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "serial/port_watch.h"
#include "serial_test_support.h"

namespace dtu::test {
namespace {

namespace fs = std::filesystem;

class PortWatchTest : public ::testing::Test {
protected:
    PortWatchTest() {
        dev = fs::temp_directory_path() / ("dtu-watch-" + std::to_string(getpid()));
        fs::remove_all(dev);
        fs::create_directories(dev);
    }
    ~PortWatchTest() override { fs::remove_all(dev); }

    // Makes the change, waits for its event and says what the watch made of it.
    bool Relevant(PortWatch& watch, const std::function<void()>& change) {
        change();
        pollfd ready{watch.Fd(), POLLIN, 0};
        const int waitMs = static_cast<int>(std::chrono::milliseconds(kPatience).count());
        if (poll(&ready, 1, waitMs) != 1) {
            ADD_FAILURE() << "no event came";
            return false;
        }
        return watch.TakeEvents();
    }

    void Touch(const fs::path& path) { std::ofstream(path) << ""; }

    fs::path dev;
};

TEST_F(PortWatchTest, TellsPortChangesFromOtherNodes) {
    PortWatch watch(dev.string());
    ASSERT_TRUE(watch.Start());
    EXPECT_TRUE(Relevant(watch, [&] { Touch(dev / "ttyUSB0"); }));
    EXPECT_FALSE(Relevant(watch, [&] { Touch(dev / "video0"); }));
    EXPECT_TRUE(Relevant(watch, [&] { fs::remove(dev / "ttyUSB0"); }));
    // The by-id folder comes with the first adapter and is watched from then on.
    EXPECT_TRUE(Relevant(watch, [&] { fs::create_directories(dev / "serial"); }));
    EXPECT_TRUE(Relevant(watch, [&] { fs::create_directories(dev / "serial" / "by-id"); }));
    EXPECT_TRUE(Relevant(watch, [&] {
        fs::create_symlink("../../ttyACM0", dev / "serial" / "by-id" / "usb-x-if00");
    }));
    EXPECT_FALSE(watch.TakeEvents());
}

TEST(PortWatch, MissingFolderCannotBeWatched) {
    PortWatch watch("/no/such/dev");
    EXPECT_FALSE(watch.Start());
    EXPECT_EQ(watch.Fd(), -1);
}

}  // namespace
}  // namespace dtu::test
