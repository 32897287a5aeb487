#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>

#include "protocol/timers.h"
#include "serial/event_poster.h"

namespace dtu {

// The owner thread's loop without any toolkit: work posted from any thread and
// one-shot timers on the monotonic clock, run one at a time by whoever calls Run.
class EventLoop : public EventPoster, public Timers {
public:
    using Clock = std::chrono::steady_clock;

    void Post(std::function<void()> work) override;
    // Any thread: `work` runs before everything already posted, as soon as the
    // work under way returns; for a stop that must not wait behind received data.
    void PostFirst(std::function<void()> work);
    Id Start(std::chrono::milliseconds delay, std::function<void()> fire) override;
    void Cancel(Id id) override;

    // Runs posted work and due timers until `done` holds (checked after each
    // piece of work) or `bound` has passed; false when the bound ended it.
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds bound);

private:
    struct Timer {
        Id id;
        std::function<void()> fire;
    };

    // Runs one due timer or one piece of posted work, waiting until `until` for
    // either; false when there was none.
    bool RunOne(Clock::time_point until);

    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> queue_;
    // Owner thread only.
    std::multimap<Clock::time_point, Timer> timers_;
    Id nextId_ = 1;
};

}  // namespace dtu
