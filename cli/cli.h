#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace dtu::cli {

// Where the command line writes, and what it knows about it.
struct Console {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;  // a progress line per port
    bool catchSignals = false;   // Ctrl-C ends the runs as interrupted (stop signals blocked)
    // Whether `err` has taken what was written to it: a progress redraw is
    // dropped while it has not. Unset: always.
    std::function<bool()> errDrained = {};
};

// The whole command line on `args` (without the program name); returns the exit status.
int RunCli(const std::vector<std::string>& args, const Console& console);

}  // namespace dtu::cli
