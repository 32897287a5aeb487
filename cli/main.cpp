// dtuconfig-cli: reads, writes and checks devices from a script, many ports at once.
#include <signal.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/interrupt_watch.h"

int main(int argc, char** argv) {
    // Before any serial thread starts, so only the watch sees the stop signals.
    dtu::cli::BlockStopSignals();
    // A reader that goes away (`| head`) must not end the runs half-way.
    signal(SIGPIPE, SIG_IGN);
    const dtu::cli::Console console{std::cout, std::cerr, isatty(STDOUT_FILENO) == 1,
                                    isatty(STDERR_FILENO) == 1, true};
    return dtu::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), console);
}
