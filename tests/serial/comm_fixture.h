#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "serial/comm.h"
#include "serial_test_support.h"

namespace dtu::test {

// A component on the slave side of a fresh pseudo-terminal, recording its notices.
class CommFixture : public ::testing::Test {
protected:
    CommFixture() {
        comm.SetCommName(pty.SlavePath());
        comm.SetHardwareFlowControl(false);
        comm.OnReceiveData = [this](const char* buffer, std::uint16_t length) {
            blocks.emplace_back(buffer, length);
        };
        comm.OnRequestHangup = [this] { ++hangups; };
        comm.OnSendDataEmpty = [this] { ++emptyNotices; };
    }

    std::size_t BytesReceived() const {
        std::size_t total = 0;
        for (const std::string& block : blocks) {
            total += block.size();
        }
        return total;
    }

    std::string AllReceived() const {
        std::string all;
        for (const std::string& block : blocks) {
            all += block;
        }
        return all;
    }

    QueuePoster poster;
    PseudoTerminal pty;
    TComm comm{poster};
    std::vector<std::string> blocks;
    int hangups = 0;
    int emptyNotices = 0;
};

}  // namespace dtu::test
