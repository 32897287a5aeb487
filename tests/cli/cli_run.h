#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "tools/dtusim/pty_device.h"

namespace dtu::cli {

// What one command line printed and how it ended, run in this process.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliRun RunCommand(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = RunCli(args, Console{out, err, false, false});
    run.out = out.str();
    run.err = err.str();
    return run;
}

inline bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Every line the simulated devices received, all of them together.
inline std::size_t LinesReceived(const std::vector<std::unique_ptr<sim::PtyDevice>>& devices) {
    std::size_t total = 0;
    for (const auto& device : devices) {
        total += device->ReceivedLines().size();
    }
    return total;
}

}  // namespace dtu::cli
