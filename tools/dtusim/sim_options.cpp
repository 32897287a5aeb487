#include "tools/dtusim/sim_options.h"

#include <cstdio>

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

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool takesValue =
            arg == "--link" || arg == "--firmware" || arg == "--silent-on" || arg == "--split";
        if (takesValue && i + 1 == args.size()) {
            error = arg + " needs a value";
            return false;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--echo") {
            options.echo = true;
        } else if (arg == "--data-mode") {
            options.dataMode = true;
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
        } else if (arg == "--split") {
            auto [line, ms] =
                LineAndNumber(args[++i], static_cast<int>(kDefaultSplitPause.count()));
            options.splitOn.emplace_back(line, std::chrono::milliseconds(ms));
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
           "or SIGTERM.\n"
           "  --link PATH            make PATH a symbolic link to the terminal\n"
           "  --firmware X.YY        version the device reports (default 3.38)\n"
           "  --echo                 repeat each command line before the answer\n"
           "  --data-mode            start in data mode (default: command mode)\n"
           "  --silent-on LINE[:N]   give no answer to the next N arrivals of LINE (default 1)\n"
           "  --split LINE[:MS]      answer LINE in two parts, MS apart (default 300)\n"
           "  --help                 this text\n"
           "LINE is written without its line end, e.g. AT+CIVER? or +++.\n";
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
