#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "serial/line_settings.h"
#include "serial/notice_sink.h"
#include "serial/receive_budget.h"

namespace dtu {

// What the workers of one open port share with the owner thread. The
// descriptors stay valid until every worker has been joined.
struct PortSession {
    PortSession(int portFd, int closeSignalFd, NoticeSink sink,
                std::shared_ptr<ReceiveBudget> receiveBudget)
        : fd(portFd),
          closeFd(closeSignalFd),
          notices(std::move(sink)),
          budget(std::move(receiveBudget)) {}

    // Called by the owner thread; the workers pick the values up at their next wait.
    void ApplyTimeouts(const TimeoutSettings& t) {
        readInterval = t.readInterval;
        deliverAtLineEnd = t.deliverAtLineEnd;
    }

    // Called by a worker that found the port gone: the first report of an open
    // posts the hang-up notice, later ones only end their worker.
    void ReportLost() {
        if (!lost.exchange(true)) {
            notices.RequestHangup();
        }
    }

    const int fd;
    const int closeFd;  // an eventfd that turns readable once the port closes
    const NoticeSink notices;
    const std::shared_ptr<ReceiveBudget> budget;  // the blocks posted and not yet taken

    // Set before the hang-up notice is posted, so the owner never writes to a
    // port it has been told is gone.
    std::atomic<bool> lost{false};

    std::atomic<std::uint32_t> readInterval{0};
    std::atomic<bool> deliverAtLineEnd{false};
};

}  // namespace dtu
