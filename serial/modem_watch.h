#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "serial/port_session.h"

namespace dtu {

// Watches carrier detect and ring in a thread blocked in TIOCMIWAIT, so nothing
// polls. A port without modem lines (a pseudo-terminal) ends it at once,
// silently. Stop() interrupts the wait with a signal.
class ModemWatch {
public:
    ModemWatch() = default;
    ~ModemWatch() { Stop(); }
    ModemWatch(const ModemWatch&) = delete;
    ModemWatch& operator=(const ModemWatch&) = delete;

    // Throws std::system_error when the thread cannot be created.
    void Start(PortSession& session);
    void Stop();

private:
    void Run(PortSession& session);
    void MarkEnded();

    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::condition_variable endedChanged_;
    bool ended_ = false;
};

}  // namespace dtu
