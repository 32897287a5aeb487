#include "cli/find_batch.h"

namespace dtu::cli {

FindBatch::FindBatch(const std::vector<std::string>& ports) {
    for (const std::string& port : ports) {
        sessions_.push_back(std::make_unique<DeviceSession>(loop_, loop_));
        results_.push_back({port, {}, 0});
    }
}

bool FindBatch::Run(const PortTexts& first, std::chrono::milliseconds bound) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point started = Clock::now();
    running_ = sessions_.size();
    for (std::size_t i = 0; i < sessions_.size(); ++i) {
        PortTexts line = first;
        line.port = results_[i].port;
        sessions_[i]->BeginFind(
            line,
            [this, i](const FindTry& setting, std::size_t, std::size_t) {
                if (onTry) {
                    onTry(i, setting);
                }
            },
            [this, i, started](const FindOutcome& outcome) {
                results_[i].outcome = outcome;
                results_[i].seconds = std::chrono::duration<double>(Clock::now() - started).count();
                --running_;
                if (onDone) {
                    onDone(i);
                }
            });
    }
    const bool inTime = loop_.RunUntil([this] { return running_ == 0; }, bound);
    if (!inTime) {
        Interrupt();
    }
    return inTime;
}

void FindBatch::Interrupt() {
    for (const auto& session : sessions_) {
        session->CancelFind();
    }
}

}  // namespace dtu::cli
