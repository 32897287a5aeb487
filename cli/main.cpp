// dtuconfig-cli: reads, writes and checks devices from a script, many ports at once.
#include <signal.h>
#include <unistd.h>

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/exit_codes.h"
#include "cli/interrupt_watch.h"
#include "cli/nonblocking_output.h"

int main(int argc, char** argv) {
    // Before any serial thread starts, so only the watch sees the stop signals.
    dtu::cli::BlockStopSignals();
    // A reader that goes away (`| head`) must not end the runs half-way.
    signal(SIGPIPE, SIG_IGN);
    // A reader that does not drain must not stall the runs or a Ctrl-C.
    dtu::cli::NonBlockingOutput outBuffer(STDOUT_FILENO);
    dtu::cli::NonBlockingOutput errBuffer(STDERR_FILENO);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    const dtu::cli::Console console{out, err, isatty(STDERR_FILENO) == 1, true,
                                    [&errBuffer] { return errBuffer.Drained(); }};
    const int status = dtu::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), console);
    out.flush();
    err.flush();
    // Stopped by a signal, the program does not wait for a reader that is not reading.
    if (status != dtu::cli::kExitInterrupted && status != dtu::cli::kExitHangUp) {
        outBuffer.Drain();
        errBuffer.Drain();
    }
    return status;
}
