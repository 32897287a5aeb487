#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

#include "serial/port_session.h"

namespace dtu {

// Blocks handed from the owner thread to the writer, in WriteBlock order.
class WriteQueue {
public:
    // False once the queue is closed or the writer has ended.
    bool Push(std::string block);

    // Wakes the writer for good; queued blocks are dropped.
    void Close();

    // Writer side.
    std::optional<std::string> TryPop();
    // Waits for a block or the close; false on the close.
    bool WaitForWork();
    void MarkWriterEnded();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> blocks_;
    bool closed_ = false;
    bool writerEnded_ = false;
};

// Writer thread body: writes each queued block whole, posts the empty notice
// at start and after every burst; ends on close or on a write failure.
void RunWriter(PortSession& session, WriteQueue& queue);

}  // namespace dtu
