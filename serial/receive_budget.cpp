#include "serial/receive_budget.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <system_error>

namespace dtu {

ReceiveBudget::ReceiveBudget() : wake_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (wake_ < 0) {
        throw std::system_error(errno, std::generic_category(), "eventfd");
    }
}

ReceiveBudget::~ReceiveBudget() {
    close(wake_);
}

std::shared_ptr<void> ReceiveBudget::Take(const std::shared_ptr<ReceiveBudget>& budget,
                                          std::size_t size) {
    budget->inFlight_ += size;
    return {nullptr, [budget, size](void*) { budget->Give(size); }};
}

void ReceiveBudget::Give(std::size_t size) {
    const std::size_t before = inFlight_.fetch_sub(size);
    // Only the step from full to not full wakes the reader: it waits on the
    // wake-up only after it found the budget full.
    if (before >= kBytes && before - size < kBytes) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
    }
}

void ReceiveBudget::Drain() const {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t got = read(wake_, &count, sizeof count);
}

}  // namespace dtu
