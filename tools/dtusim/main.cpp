#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "tools/dtusim/pty_device.h"
#include "tools/dtusim/sim_options.h"

int main(int argc, char** argv) {
    using namespace dtu::sim;
    Options options;
    std::string error;
    if (!ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "dtusim: " << error << "\n" << Usage();
        return 2;
    }
    if (options.help) {
        std::cout << Usage();
        return 0;
    }

    // A reader that closes the trace pipe must not end the device.
    signal(SIGPIPE, SIG_IGN);
    // Blocked before the I/O thread starts, so only sigwait below sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        PtyDevice device(options.dataMode ? Mode::kData : Mode::kCommand);
        device.SetFirmware(options.firmware);
        device.SetBaudRate(options.baudRate);
        device.SetNoiseAtWrongSpeed(options.wrongSpeedNoise);
        device.SetEcho(options.echo);
        for (const auto& [line, times] : options.silentOn) {
            device.SilentOn(line, times);
        }
        for (const auto& [line, pause] : options.splitOn) {
            device.SplitOn(line, pause);
        }
        for (const auto& [line, times] : options.errorOn) {
            device.ErrorOn(line, times);
        }
        if (options.silentAfter) {
            device.SilentAfter(*options.silentAfter);
        }
        if (options.hangUpAfter) {
            // The stop signal is blocked everywhere, so sigwait below takes it.
            device.HangUpAfter(*options.hangUpAfter, [] { kill(getpid(), SIGTERM); });
        }
        if (options.noise.count() > 0) {
            device.SetNoise(options.noise);
        }
        device.SetTrickle(options.trickle);
        device.SetAnswerShape(
            {options.noLineEnd, options.nulLineEnd, options.okAfterError, options.unsolicited});
        device.SplitEveryLine(options.splitLines);
        device.SetForgetful(options.forgetful);
        if (!options.link.empty() && !device.MakeLink(options.link)) {
            std::cerr << "dtusim: cannot create the link " << options.link << ": "
                      << std::generic_category().message(errno) << "\n";
            return 1;
        }
        device.SetTrace([](std::string_view direction, std::string_view bytes) {
            std::cout << direction << ": " << Printable(bytes) << std::endl;
        });
        std::cout << device.SlavePath() << std::endl;
        device.Start();
        int signal = 0;
        sigwait(&stopSignals, &signal);
        device.Stop();
    } catch (const std::system_error& e) {
        std::cerr << "dtusim: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
