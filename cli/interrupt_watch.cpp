#include "cli/interrupt_watch.h"

#include <pthread.h>
#include <signal.h>

namespace dtu::cli {

namespace {

// Sent by the watch's owner to end the watching thread.
constexpr int kWakeSignal = SIGUSR2;

sigset_t WatchedSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    sigaddset(&signals, kWakeSignal);
    return signals;
}

}  // namespace

void BlockStopSignals() {
    const sigset_t signals = WatchedSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}

InterruptWatch::InterruptWatch(EventLoop& loop, std::function<void(int signal)> onStop)
    : thread_([&loop, onStop = std::move(onStop)] {
          const sigset_t signals = WatchedSignals();
          int signal = 0;
          while (sigwait(&signals, &signal) == 0 && signal != kWakeSignal) {
              loop.PostFirst([onStop, signal] { onStop(signal); });
          }
      }) {}

InterruptWatch::~InterruptWatch() {
    pthread_kill(thread_.native_handle(), kWakeSignal);
    thread_.join();
}

}  // namespace dtu::cli
