#include "shell/command_line.h"

#include "shell/version_string.h"

namespace dtu {

namespace {

constexpr const char* kUsage = R"(Usage: dtuconfig [--help] [--version] [Qt options]

Configures a cellular GPRS data-terminal modem on a serial port: pick the port in
the first window, then read, edit and write the device's configuration.

Ports that are not found by themselves (virtual ones, say) are added with the
environment variable DTUCONFIG_EXTRA_PORTS, a colon-separated list of paths; on a
first start the first of them that is present is chosen.

  -h, --help     this text
  --version      the program's version

dtuconfig-cli does the same from a script.
)";

}  // namespace

std::optional<int> AnswerInfoOption(const std::vector<std::string>& args, std::ostream& out) {
    for (const std::string& arg : args) {
        if (arg == "-h" || arg == "--help") {
            out << kUsage;
            return 0;
        }
        if (arg == "--version") {
            out << "dtuconfig " << GetVersionString() << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace dtu
