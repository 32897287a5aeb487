#include "serial/modem_watch.h"

#include <linux/serial.h>
#include <pthread.h>
#include <signal.h>
#include <sys/ioctl.h>

#include <cerrno>
#include <chrono>

#include "serial/thread_priority.h"

namespace dtu {

namespace {

// Only interrupts the blocking ioctl; installed without SA_RESTART.
void IgnoreWakeSignal(int) {}

int WakeSignal() {
    static const int signal = [] {
        int number = SIGRTMIN + 4;
        struct sigaction current {};
        sigaction(number, nullptr, &current);
        if (current.sa_handler == SIG_DFL) {
            struct sigaction wake {};
            wake.sa_handler = IgnoreWakeSignal;
            sigemptyset(&wake.sa_mask);
            sigaction(number, &wake, nullptr);
        }
        return number;
    }();
    return signal;
}

bool NoModemLines(int error) {
    return error == ENOTTY || error == EINVAL || error == ENOSYS;
}

}  // namespace

void ModemWatch::Start(PortSession& session) {
    WakeSignal();
    stopping_ = false;
    ended_ = false;
    thread_ = std::thread([this, &session] { Run(session); });
}

void ModemWatch::Stop() {
    if (!thread_.joinable()) {
        return;
    }
    stopping_ = true;
    std::unique_lock lock(mutex_);
    // The signal can land just before the thread enters the ioctl; repeat it
    // until the thread has seen the stop.
    while (!ended_) {
        pthread_kill(thread_.native_handle(), WakeSignal());
        endedChanged_.wait_for(lock, std::chrono::milliseconds(5));
    }
    lock.unlock();
    thread_.join();
}

void ModemWatch::MarkEnded() {
    std::lock_guard lock(mutex_);
    ended_ = true;
    endedChanged_.notify_all();
}

void ModemWatch::Run(PortSession& session) {
    RaiseThreadPriority(ThreadRole::Reader);
    serial_icounter_struct last{};
    if (ioctl(session.fd, TIOCGICOUNT, &last) != 0) {
        MarkEnded();
        return;
    }
    while (!stopping_) {
        if (ioctl(session.fd, TIOCMIWAIT, TIOCM_CD | TIOCM_RNG) != 0) {
            int error = errno;
            if (error == EINTR) {
                continue;
            }
            if (!NoModemLines(error) && !stopping_) {
                session.ReportLost();
            }
            break;
        }
        serial_icounter_struct now{};
        if (ioctl(session.fd, TIOCGICOUNT, &now) != 0) {
            session.ReportLost();
            break;
        }
        std::uint32_t value =
            (now.dcd != last.dcd ? kModemCarrier : 0) | (now.rng != last.rng ? kModemRing : 0);
        last = now;
        if (value == 0) {
            // A wake-up without a change means the line is gone.
            session.ReportLost();
            break;
        }
        session.notices.ModemStateChange(value);
    }
    MarkEnded();
}

}  // namespace dtu
