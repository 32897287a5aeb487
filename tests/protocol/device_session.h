#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "protocol/engine.h"
#include "serial/event_poster.h"
#include "tests/protocol/fake_window.h"
#include "tools/dtusim/pty_device.h"

namespace dtu::testing {

using Clock = std::chrono::steady_clock;

// Holds the notices of the port's threads until the owner thread runs them.
class PumpedPoster : public EventPoster {
public:
    void Post(std::function<void()> work) override {
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(std::move(work));
        }
        posted_.notify_one();
    }

    // Runs one notice, waiting for it up to `until`; false when none came.
    bool RunOne(Clock::time_point until) {
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

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> queue_;
};

// The fake form with a reply timer that runs on the test thread's clock.
class TimedWindow : public FakeWindow {
public:
    void ArmReplyTimer() override {
        if (!timerArmed) {
            armedAt = Clock::now();
        }
        FakeWindow::ArmReplyTimer();
    }
    Clock::time_point armedAt;
};

// The engine, its port and a fake form, talking over a pseudo-terminal to the
// simulated device. Everything of the tool runs on the thread that pumps.
class DeviceSession {
public:
    DeviceSession(sim::Mode mode, std::chrono::milliseconds replyTimeout,
                  Engine::SleepFunction sleep = Engine::RealSleep)
        : device(mode),
          engine(orders, port, window, std::move(sleep)),
          replyTimeout_(replyTimeout) {
        window.engine = &engine;
        comm.OnReceiveData = [this](const char* buffer, std::uint16_t length) {
            engine.HandleReceived(buffer, length);
        };
        device.Start();
        port.settings = {device.SlavePath(), "115200", "NONE", "8", "1"};
        window.form.cbb_Com_BaudRate = "115200";
        window.form.cbb_Com_ParityText = "NONE";
        window.form.cbb_Com_ByteText = "8";
        window.form.cbb_Com_StopText = "1";
        window.form.cbb_Com_ByteItem = 1;
    }
    ~DeviceSession() {
        port.ClosePort();
        device.Stop();
    }

    // Runs received blocks and the reply timer until `done` holds or `bound` passed.
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds bound) {
        const Clock::time_point deadline = Clock::now() + bound;
        while (!done()) {
            Clock::time_point wake = deadline;
            if (window.timerArmed) {
                wake = std::min(wake, window.armedAt + replyTimeout_);
            }
            if (poster.RunOne(wake)) {
                continue;
            }
            if (window.timerArmed && Clock::now() >= window.armedAt + replyTimeout_) {
                engine.HandleReplyTimeout();
                continue;
            }
            if (Clock::now() >= deadline) {
                return false;
            }
        }
        return true;
    }

    bool PumpUntilShown(const std::string& text, std::chrono::milliseconds bound) {
        return PumpUntil(
            [&] {
                return std::any_of(window.shown.begin(), window.shown.end(),
                                   [&](const ShownLine& line) { return line.text == text; });
            },
            bound);
    }

    sim::PtyDevice device;
    PumpedPoster poster;
    TComm comm{poster};
    TimedWindow window;
    PortControl port{comm, window};
    OrderList orders;
    Engine engine;

private:
    std::chrono::milliseconds replyTimeout_;
};

}  // namespace dtu::testing
