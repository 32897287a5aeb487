#pragma once

#include <functional>
#include <thread>

#include "session/event_loop.h"

namespace dtu::cli {

// Blocks the stop signals (SIGINT, SIGTERM, SIGHUP: a closed terminal or ssh
// session) and the watch's own wake-up signal in the calling thread and every
// thread it starts later. Call it first thing.
void BlockStopSignals();

// While it lives, each stop signal posts `onStop` with the signal's number to
// the loop, ahead of the data waiting there, so the runs end as interrupted and
// the ports are restored and released.
class InterruptWatch {
public:
    InterruptWatch(EventLoop& loop, std::function<void(int signal)> onStop);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    std::thread thread_;
};

}  // namespace dtu::cli
