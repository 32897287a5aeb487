#pragma once

#include <atomic>
#include <cstddef>
#include <memory>

namespace dtu {

// Bounds the received bytes a reader thread has handed to the owner thread and
// the owner has not yet taken. While it is full the reader stops reading, so a
// peer that sends faster than the loop takes is held up by the kernel's flow
// control instead of filling memory. Shared by the reader and the notices it
// posts; every member is thread-safe.
class ReceiveBudget {
public:
    // About thirty reads of a full block; far above any answer of the device.
    static constexpr std::size_t kBytes = 64 * 1024;

    ReceiveBudget();  // throws std::system_error when no eventfd is left
    ~ReceiveBudget();
    ReceiveBudget(const ReceiveBudget&) = delete;
    ReceiveBudget& operator=(const ReceiveBudget&) = delete;

    // Books `size` bytes as handed over; they are given back when the last copy
    // of the credit is gone, whether the notice ran or was dropped.
    static std::shared_ptr<void> Take(const std::shared_ptr<ReceiveBudget>& budget,
                                      std::size_t size);

    bool Full() const { return inFlight_.load() >= kBytes; }
    // Turns readable when a full budget has room again; Drain() it once seen so.
    int WakeFd() const { return wake_; }
    void Drain() const;

private:
    void Give(std::size_t size);

    int wake_;
    std::atomic<std::size_t> inFlight_{0};
};

}  // namespace dtu
