#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/device_run.h"
#include "session/event_loop.h"

namespace dtu::cli {

// Where a batch writes.
struct BatchOutput {
    std::ostream& results;  // one line per device as it finishes, then the summary
    std::ostream& notes;    // open errors and, when verbose, every exchange
    bool progress = false;  // `notes` is a terminal: keep a progress line per port there
    bool verbose = false;
    // Whether `notes` has taken what was written to it; unset: always.
    std::function<bool()> notesDrained = {};
};

// One session per port, all on one loop on this thread: the protocol waits on
// the line, so the devices run side by side without queueing behind each other.
class DeviceBatch {
public:
    // `texts` words the engine's notes in the verbose log.
    DeviceBatch(const std::vector<std::string>& ports, const RunPlan& plan, const TLangList& texts);
    // Each port with its own plan, as a device list gives them.
    DeviceBatch(const std::vector<std::string>& ports, std::vector<RunPlan> plans,
                const TLangList& texts);

    // Opens every port, the network ones connecting side by side. When one is
    // unknown or does not open, or Interrupt came first, closes them all (a
    // connect under way is given up), says why and returns false: nothing has
    // been sent.
    bool OpenAll(const PortTexts& line, const BatchOutput& output);
    // Runs the plan on every device until each has ended; false when
    // `bound` ended it first, the runs then interrupted.
    bool Run(const BatchOutput& output, std::chrono::milliseconds bound);
    // From the loop: ends the opening, or every run in progress as interrupted.
    void Interrupt();

    EventLoop& Loop() { return loop_; }
    const DeviceRun& At(std::size_t index) const { return *runs_.at(index); }
    std::vector<DeviceResult> Results() const;
    double Seconds() const { return seconds_; }

    // A device's run ended: its index, once the result line is out.
    std::function<void(std::size_t index)> onDeviceDone;

private:
    EventLoop loop_;
    std::vector<RunPlan> plans_;  // the runs keep references to them
    std::vector<std::unique_ptr<DeviceRun>> runs_;
    double seconds_ = 0;
    bool interrupted_ = false;
};

}  // namespace dtu::cli
