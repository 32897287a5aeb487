#include "serial/thread_priority.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace dtu {

namespace {

// The lowest real-time priority already runs ahead of every ordinary thread,
// so a busy machine does not stretch the framing pause.
bool TryRealTime() {
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_FIFO);
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
}

}  // namespace

void RaiseThreadPriority(ThreadRole role) {
    if (role == ThreadRole::Reader && TryRealTime()) {
        return;
    }
    // On Linux the nice value belongs to the thread: the reader sits above the
    // writer, which sits above normal.
    int nice = role == ThreadRole::Reader ? -4 : -2;
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), nice);
}

}  // namespace dtu
