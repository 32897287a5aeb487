#include "session/event_loop.h"

#include <algorithm>

namespace dtu {

void EventLoop::Post(std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(work));
    }
    posted_.notify_one();
}

void EventLoop::PostFirst(std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_front(std::move(work));
    }
    posted_.notify_one();
}

Timers::Id EventLoop::Start(std::chrono::milliseconds delay, std::function<void()> fire) {
    const Id id = nextId_++;
    timers_.emplace(Clock::now() + delay, Timer{id, std::move(fire)});
    return id;
}

void EventLoop::Cancel(Id id) {
    std::erase_if(timers_, [id](const auto& entry) { return entry.second.id == id; });
}

bool EventLoop::RunOne(Clock::time_point until) {
    if (!timers_.empty() && timers_.begin()->first <= Clock::now()) {
        std::function<void()> fire = std::move(timers_.begin()->second.fire);
        timers_.erase(timers_.begin());
        fire();
        return true;
    }
    if (!timers_.empty()) {
        until = std::min(until, timers_.begin()->first);
    }
    std::unique_lock lock(mutex_);
    if (!posted_.wait_until(lock, until, [this] { return !queue_.empty(); })) {
        return false;
    }
    std::function<void()> work = std::move(queue_.front());
    queue_.pop_front();
    lock.unlock();
    work();
    return true;
}

bool EventLoop::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds bound) {
    const Clock::time_point deadline = Clock::now() + bound;
    while (!done()) {
        if (!RunOne(deadline) && Clock::now() >= deadline) {
            return false;
        }
    }
    return true;
}

}  // namespace dtu
