#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "serial/event_poster.h"

namespace dtu::test {

// Bound for waiting on an event; only a broken program reaches it.
inline constexpr std::chrono::seconds kPatience{10};

// Posted work waits here until the test pumps it on its own thread.
class QueuePoster : public EventPoster {
public:
    void Post(std::function<void()> work) override;

    // Runs posted work until `done` holds; false when the bound passed first.
    bool PumpUntil(const std::function<bool()>& done);
    // Waits, running nothing, until `count` pieces of work are queued.
    bool WaitForQueued(std::size_t count);
    // Runs whatever is already posted.
    void PumpPending();

private:
    std::function<void()> Take(std::chrono::steady_clock::time_point deadline);

    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> work_;
};

// A pseudo-terminal: the test plays the device on the master side, the
// component opens the slave by its path.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    int Master() const { return master_; }

    void Write(const std::string& bytes);
    // Reads until `count` bytes came; fewer when the bound passed first.
    std::string Read(std::size_t count);
    // Reads everything the slave side left behind, until it is closed.
    std::string ReadUntilClosed();
    void CloseMaster();

private:
    int master_ = -1;
    std::string slavePath_;
};

}  // namespace dtu::test
