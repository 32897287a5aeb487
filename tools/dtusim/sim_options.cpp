#include "tools/dtusim/sim_options.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "tools/dtusim/sim_device.h"
#include "tools/dtusim/sim_text.h"

namespace dtu::sim {

namespace {

// "LINE:N" gives LINE and N; a line without a numeric suffix keeps its colons.
std::pair<std::string, int> LineAndNumber(const std::string& arg, int fallback) {
    std::size_t colon = arg.rfind(':');
    if (colon != std::string::npos && colon > 0 && IsDigits(arg.substr(colon + 1), 6)) {
        return {arg.substr(0, colon), std::stoi(arg.substr(colon + 1))};
    }
    return {arg, fallback};
}

constexpr const char* kValueOptions[] = {
    "--link",     "--firmware",     "--silent-on",    "--split",
    "--error-on", "--hangup-after", "--silent-after", "--noise",
    "--trickle",  "--unsolicited",  "--split-lines",  "--baud",
};

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (std::ranges::find(kValueOptions, arg) != std::end(kValueOptions) &&
            i + 1 == args.size()) {
            error = arg + " needs a value";
            return false;
        }
        // The value of a count or milliseconds option, or nothing after setting `error`.
        auto number = [&](int least) -> std::optional<int> {
            const std::string& value = args[++i];
            if (!IsDigits(value, 6) || std::stoi(value) < least) {
                error = arg + " needs a number from " + std::to_string(least) + ": " + value;
                return std::nullopt;
            }
            return std::stoi(value);
        };
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--echo") {
            options.echo = true;
        } else if (arg == "--data-mode") {
            options.dataMode = true;
        } else if (arg == "--ok-after-error") {
            options.okAfterError = true;
        } else if (arg == "--wrong-speed-noise") {
            options.wrongSpeedNoise = true;
        } else if (arg == "--baud") {
            const std::string& value = args[++i];
            if (!IsDigits(value, 7) || !IsStandardBaudRate(std::stoi(value))) {
                error = "--baud needs one of the device's speeds, 300 to 115200: " + value;
                return false;
            }
            options.baudRate = std::stoi(value);
        } else if (arg == "--forgetful") {
            options.forgetful = true;
        } else if (arg == "--unsolicited") {
            options.unsolicited = args[++i];
        } else if (arg == "--split-lines") {
            std::optional<int> ms = number(1);
            if (!ms) {
                return false;
            }
            options.splitLines = std::chrono::milliseconds(*ms);
        } else if (arg == "--no-line-end") {
            options.noLineEnd = true;
        } else if (arg == "--nul-line-end") {
            options.nulLineEnd = true;
        } else if (arg == "--link") {
            options.link = args[++i];
        } else if (arg == "--firmware") {
            options.firmware = args[++i];
            if (!SimDevice().SetFirmware(options.firmware)) {
                error = "firmware must be digits and dots, e.g. 3.38: " + options.firmware;
                return false;
            }
        } else if (arg == "--silent-on") {
            options.silentOn.push_back(LineAndNumber(args[++i], 1));
        } else if (arg == "--error-on") {
            options.errorOn.push_back(LineAndNumber(args[++i], 1));
        } else if (arg == "--split") {
            auto [line, ms] =
                LineAndNumber(args[++i], static_cast<int>(kDefaultSplitPause.count()));
            options.splitOn.emplace_back(line, std::chrono::milliseconds(ms));
        } else if (arg == "--hangup-after") {
            options.hangUpAfter = number(0);
            if (!options.hangUpAfter) {
                return false;
            }
        } else if (arg == "--silent-after") {
            options.silentAfter = number(0);
            if (!options.silentAfter) {
                return false;
            }
        } else if (arg == "--noise") {
            std::optional<int> ms = number(1);
            if (!ms) {
                return false;
            }
            options.noise = std::chrono::milliseconds(*ms);
        } else if (arg == "--trickle") {
            std::optional<int> ms = number(1);
            if (!ms) {
                return false;
            }
            options.trickle = std::chrono::milliseconds(*ms);
        } else {
            error = "unknown argument: " + arg;
            return false;
        }
    }
    return true;
}

std::string_view Usage() {
    return "usage: dtusim [options]\n"
           "A simulated DTU on a pseudo-terminal. Prints the terminal's path as its first\n"
           "line, then a trace of what it receives (rx), sends (tx) and cannot hear because\n"
           "the terminal's speed or stop bits differ from its own (ignored). Stops on SIGINT\n"
           "or SIGTERM, or once it has hung up (hangup).\n"
           "  --link PATH            make PATH a symbolic link to the terminal\n"
           "  --firmware X.YY        version the device reports (default 3.38)\n"
           "  --baud RATE            the device's own speed (default 115200)\n"
           "  --wrong-speed-noise    answer input at another speed or stop bits with noise\n"
           "  --echo                 repeat each command line before the answer\n"
           "  --unsolicited TEXT     send the line TEXT ahead of every answer\n"
           "  --split-lines MS       cut every answer after each line end, MS apart\n"
           "  --ok-after-error       follow every refusal with OK\n"
           "  --forgetful            answer OK to everything and keep nothing\n"
           "  --data-mode            start in data mode (default: command mode)\n"
           "  --silent-on LINE[:N]   give no answer to the next N arrivals of LINE (default 1)\n"
           "  --split LINE[:MS]      answer LINE in two parts, MS apart (default 300)\n"
           "  --error-on LINE[:N]    answer ERROR, changing nothing, to the next N arrivals\n"
           "                         of LINE (default 1); a command alone, e.g. AT+CIPPACK,\n"
           "                         also stands for every set line of it (AT+CIPPACK=...)\n"
           "  --hangup-after N       answer N command lines; when the next one arrives,\n"
           "                         close the terminal (the tool sees a hang-up) and exit\n"
           "  --silent-after N       answer N command lines, then nothing more; stay open\n"
           "  --noise MS             answer nothing; send a few bytes of garbage, never a\n"
           "                         result, every MS milliseconds\n"
           "  --no-line-end          answers lack their final CR LF\n"
           "  --nul-line-end         every CR LF of an answer goes out as CR NUL LF\n"
           "  --trickle MS           every answer goes out one byte every MS milliseconds\n"
           "  --help                 this text\n"
           "LINE is written without its line end, e.g. AT+CIVER? or +++. Command lines are\n"
           "counted as they arrive; +++ and a are not command lines.\n";
}

std::string Printable(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (byte < 0x20 || byte == 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace dtu::sim
