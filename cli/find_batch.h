#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "protocol/find_try.h"
#include "session/device_session.h"
#include "session/event_loop.h"

namespace dtu::cli {

// How the search on one port ended.
struct FindResult {
    std::string port;
    FindOutcome outcome;
    double seconds = 0;
};

// One search per port, all on one loop on this thread, side by side.
class FindBatch {
public:
    explicit FindBatch(const std::vector<std::string>& ports);
    FindBatch(const FindBatch&) = delete;
    FindBatch& operator=(const FindBatch&) = delete;

    // A try starts on the port at `index`.
    std::function<void(std::size_t index, const FindTry&)> onTry;
    // The search on the port at `index` ended.
    std::function<void(std::size_t index)> onDone;

    // Searches every port from `first` until each has ended; false when
    // `bound` ended it first, the searches then cancelled.
    bool Run(const PortTexts& first, std::chrono::milliseconds bound);
    // From the loop: cancels every search under way.
    void Interrupt();

    EventLoop& Loop() { return loop_; }
    const std::vector<FindResult>& Results() const { return results_; }

private:
    EventLoop loop_;  // first: the sessions that post to it go before it
    std::vector<std::unique_ptr<DeviceSession>> sessions_;
    std::vector<FindResult> results_;
    std::size_t running_ = 0;
};

}  // namespace dtu::cli
