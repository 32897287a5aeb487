#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace dtu {

// One-shot timers on the owner thread's clock. A timer that is cancelled, or
// whose owner is gone, never fires.
class Timers {
public:
    using Id = std::uint64_t;

    virtual ~Timers() = default;
    // Calls `fire` once, `delay` from now, on the owner thread. Ids are never 0.
    virtual Id Start(std::chrono::milliseconds delay, std::function<void()> fire) = 0;
    virtual void Cancel(Id id) = 0;
};

// A timer slot that holds at most one pending timer and cancels it when it goes.
class TimerSlot {
public:
    explicit TimerSlot(Timers& timers) : timers_(timers) {}
    ~TimerSlot() { Stop(); }
    TimerSlot(const TimerSlot&) = delete;
    TimerSlot& operator=(const TimerSlot&) = delete;

    // Starts the timer anew, replacing a pending one.
    void Start(std::chrono::milliseconds delay, std::function<void()> fire) {
        Stop();
        id_ = timers_.Start(delay, [this, fire = std::move(fire)] {
            id_ = 0;
            fire();
        });
    }
    void Stop() {
        if (id_ != 0) {
            timers_.Cancel(id_);
            id_ = 0;
        }
    }
    bool Running() const { return id_ != 0; }

private:
    Timers& timers_;
    Timers::Id id_ = 0;
};

}  // namespace dtu
