#include "shell/run_once.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

namespace dtu {
namespace {

struct MarkerState {
    bool exists = false;
    off_t size = 0;
    std::int32_t value = -1;
};

MarkerState ReadMarker() {
    MarkerState state;
    int fd = shm_open(RunOnceMarker::kName, O_RDONLY, 0);
    if (fd < 0) {
        return state;
    }
    state.exists = true;
    struct stat st {};
    fstat(fd, &st);
    state.size = st.st_size;
    if (st.st_size >= 4) {
        void* view = mmap(nullptr, 4, PROT_READ, MAP_SHARED, fd, 0);
        if (view != MAP_FAILED) {
            state.value = *static_cast<std::int32_t*>(view);
            munmap(view, 4);
        }
    }
    close(fd);
    return state;
}

void WriteMarker(std::int32_t value) {
    int fd = shm_open(RunOnceMarker::kName, O_RDWR, 0);
    ASSERT_GE(fd, 0);
    void* view = mmap(nullptr, 4, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    ASSERT_NE(view, MAP_FAILED);
    *static_cast<std::int32_t*>(view) = value;
    munmap(view, 4);
    close(fd);
}

TEST(RunOnceMarker, FirstCopyCreatesFourZeroBytesAndLastCopyRemovesIt) {
    shm_unlink(RunOnceMarker::kName);
    {
        RunOnceMarker first;
        EXPECT_TRUE(first.Created());
        EXPECT_TRUE(first.IsMapped());
        MarkerState state = ReadMarker();
        EXPECT_TRUE(state.exists);
        EXPECT_EQ(state.size, 4);
        EXPECT_EQ(state.value, 0);
    }
    EXPECT_FALSE(ReadMarker().exists);
}

TEST(RunOnceMarker, SecondCopyNeitherRecreatesNorResets) {
    shm_unlink(RunOnceMarker::kName);
    RunOnceMarker first;
    WriteMarker(7);
    {
        RunOnceMarker second;
        EXPECT_FALSE(second.Created());
        EXPECT_TRUE(second.IsMapped());
        EXPECT_EQ(ReadMarker().value, 7);
    }
    // The second copy's exit leaves the marker to the first.
    MarkerState state = ReadMarker();
    EXPECT_TRUE(state.exists);
    EXPECT_EQ(state.value, 7);
}

}  // namespace
}  // namespace dtu
