#include "cli/cli_options.h"

#include <algorithm>
#include <climits>

#include "form/form_model.h"
#include "lang/same_text.h"
#include "serial/port_control.h"

namespace dtu::cli {

namespace {

// Which options a command takes.
enum OptionBit : unsigned {
    kLineBit = 1u << 0,
    kProfileBit = 1u << 1,
    kVerifyBit = 1u << 2,
    kViewBit = 1u << 3,
    kReportBit = 1u << 4,
    kOutBit = 1u << 5,
    kJsonBit = 1u << 6,
    kRawBit = 1u << 7,
    kYesBit = 1u << 8,
    kVerboseBit = 1u << 9,
    kGapBit = 1u << 10,
    kEolBit = 1u << 11,
    kLangBit = 1u << 12,
    kDryRunBit = 1u << 13,
    kListBit = 1u << 14,
};

constexpr unsigned kDeviceBits = kLineBit | kReportBit | kVerboseBit | kGapBit | kLangBit;
constexpr int kLongestGapMs = 10000;
constexpr int kManyPorts = INT_MAX;

struct CommandRow {
    const char* name;
    Command command;
    int minPorts;
    int maxPorts;
    unsigned options;
    bool takesText;  // the first argument after the name is a text, not a port
};

constexpr CommandRow kCommands[] = {
    {"help", Command::Help, 0, 0, 0, false},
    {"ports", Command::Ports, 0, 0, 0, false},
    {"read", Command::Read, 1, 1, kLineBit | kOutBit | kJsonBit | kVerboseBit | kGapBit | kLangBit,
     false},
    {"write", Command::Write, 1, kManyPorts,
     kDeviceBits | kProfileBit | kVerifyBit | kViewBit | kDryRunBit | kListBit, false},
    {"diff", Command::Diff, 1, kManyPorts, kDeviceBits | kProfileBit | kViewBit | kJsonBit, false},
    {"reset", Command::Reset, 1, kManyPorts, kDeviceBits | kYesBit, false},
    {"restart", Command::Restart, 1, kManyPorts, kDeviceBits, false},
    {"version", Command::Version, 1, kManyPorts, kDeviceBits, false},
    {"send", Command::Send, 1, kManyPorts, kDeviceBits | kRawBit | kEolBit, true},
    {"find", Command::Find, 1, kManyPorts, kLineBit | kJsonBit | kVerboseBit, false},
};

using Problem = std::optional<std::string>;

template <std::size_t N>
Problem Choose(std::string& target, std::string_view option, std::string_view value,
               const std::array<const char*, N>& choices) {
    for (const char* choice : choices) {
        if (SameText(choice, value)) {
            target = choice;
            return std::nullopt;
        }
    }
    std::string list;
    for (const char* choice : choices) {
        list += (list.empty() ? "" : ", ") + std::string(choice);
    }
    return std::string(option) + " " + std::string(value) + ": not one of " + list;
}

struct OptionRow {
    const char* name;
    OptionBit bit;
    bool takesValue;
    Problem (*apply)(Options& options, std::string_view value);
};

constexpr OptionRow kOptions[] = {
    {"--baud", kLineBit, true,
     [](Options& o, std::string_view v) { return Choose(o.baudRate, "--baud", v, kBaudRates); }},
    {"--parity", kLineBit, true,
     [](Options& o, std::string_view v) { return Choose(o.parity, "--parity", v, kParities); }},
    {"--data", kLineBit, true,
     [](Options& o, std::string_view v) { return Choose(o.dataBits, "--data", v, kDataBits); }},
    {"--stop", kLineBit, true,
     [](Options& o, std::string_view v) { return Choose(o.stopBits, "--stop", v, kStopBits); }},
    {"--profile", kProfileBit, true,
     [](Options& o, std::string_view v) -> Problem {
         o.profile = v;
         return std::nullopt;
     }},
    {"--view", kViewBit, true,
     [](Options& o, std::string_view v) -> Problem {
         if (v != "full" && v != "compact") {
             return "--view " + std::string(v) + ": not one of full, compact";
         }
         o.view = v == "full" ? kFullView : kCompactView;
         return std::nullopt;
     }},
    {"--verify", kVerifyBit, false,
     [](Options& o, std::string_view) -> Problem {
         o.verify = true;
         return std::nullopt;
     }},
    {"--dry-run", kDryRunBit, false,
     [](Options& o, std::string_view) -> Problem {
         o.dryRun = true;
         return std::nullopt;
     }},
    {"--devices", kListBit, true,
     [](Options& o, std::string_view v) -> Problem {
         if (v.empty()) {
             return std::string("--devices needs a file name");
         }
         o.devices = v;
         return std::nullopt;
     }},
    {"--record", kListBit, true,
     [](Options& o, std::string_view v) -> Problem {
         if (v.empty()) {
             return std::string("--record needs a file name");
         }
         o.record = v;
         return std::nullopt;
     }},
    {"--report", kReportBit, true,
     [](Options& o, std::string_view v) -> Problem {
         if (v.empty()) {
             return std::string("--report needs a file name");
         }
         o.report = v;
         return std::nullopt;
     }},
    {"--out", kOutBit, true,
     [](Options& o, std::string_view v) -> Problem {
         if (v.empty()) {
             return std::string("--out needs a file name");
         }
         o.out = v;
         return std::nullopt;
     }},
    {"--json", kJsonBit, false,
     [](Options& o, std::string_view) -> Problem {
         o.json = true;
         return std::nullopt;
     }},
    {"--raw", kRawBit, false,
     [](Options& o, std::string_view) -> Problem {
         o.raw = true;
         return std::nullopt;
     }},
    {"--eol", kEolBit, true,
     [](Options& o, std::string_view v) -> Problem {
         if (std::optional<LineEnd> end = ParseLineEnd(v)) {
             o.eol = *end;
             return std::nullopt;
         }
         return "--eol " + std::string(v) + ": not one of typed, cr, lf, crlf";
     }},
    {"--yes", kYesBit, false,
     [](Options& o, std::string_view) -> Problem {
         o.yes = true;
         return std::nullopt;
     }},
    {"--gap", kGapBit, true,
     [](Options& o, std::string_view v) -> Problem {
         const std::optional<std::int64_t> ms = ParseDecimal(std::string(v));
         if (!ms || *ms < 0 || *ms > kLongestGapMs) {
             return "--gap " + std::string(v) + ": not a number of milliseconds from 0 to " +
                    std::to_string(kLongestGapMs);
         }
         o.gap = static_cast<int>(*ms);
         return std::nullopt;
     }},
    {"--lang", kLangBit, true,
     [](Options& o, std::string_view v) -> Problem {
         if (v != "zh" && v != "en") {
             return "--lang " + std::string(v) + ": not one of zh, en";
         }
         o.chinese = v == "zh";
         return std::nullopt;
     }},
    {"--verbose", kVerboseBit, false,
     [](Options& o, std::string_view) -> Problem {
         o.verbose = true;
         return std::nullopt;
     }},
};

const CommandRow* FindCommand(std::string_view name) {
    for (const CommandRow& row : kCommands) {
        if (name == row.name) {
            return &row;
        }
    }
    return nullptr;
}

const OptionRow* FindOption(std::string_view name) {
    for (const OptionRow& row : kOptions) {
        if (name == row.name) {
            return &row;
        }
    }
    return nullptr;
}

// The operands' count and the options the command requires.
Problem CheckCommand(const CommandRow& row, const Options& options) {
    const std::string name = row.name;
    const int ports = static_cast<int>(options.ports.size());
    if (row.maxPorts == 0 && ports > 0) {
        return name + " takes no port";
    }
    if (ports < row.minPorts) {
        return name + (row.maxPorts == 1 ? " needs one port" : " needs at least one port");
    }
    if (ports > row.maxPorts) {
        return name + " takes one port";
    }
    for (auto port = options.ports.begin(); port != options.ports.end(); ++port) {
        if (std::find(options.ports.begin(), port, *port) != port) {
            return "port " + *port + " is given twice";
        }
    }
    if ((row.command == Command::Write || row.command == Command::Diff) &&
        options.profile.empty()) {
        return name + " needs --profile FILE";
    }
    if (options.dryRun && options.verify) {
        return std::string("--dry-run writes nothing to verify; it takes no --verify");
    }
    if (options.raw && options.eol != LineEnd::CrLf) {
        return std::string("--raw sends the text exactly; it takes no --eol");
    }
    if (row.command == Command::Reset && !options.yes) {
        return "reset restores the factory settings of every port given; add --yes to go ahead";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ParseOptions(const std::vector<std::string>& args, Options& options) {
    // Asking for help wins over anything else on the line.
    for (const std::string& arg : args) {
        if (arg == "--") {
            break;
        }
        if (arg == "-h" || arg == "--help") {
            options = Options{};
            return std::nullopt;
        }
        if (arg == "--version") {
            options = Options{};
            options.command = Command::ProgramVersion;
            return std::nullopt;
        }
    }
    const CommandRow* command = nullptr;
    std::vector<std::string> operands;
    std::vector<const OptionRow*> given;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !arg.starts_with("-") || arg == "-") {
            if (command == nullptr) {
                command = FindCommand(arg);
                if (command == nullptr) {
                    return "unknown command " + arg;
                }
            } else {
                operands.push_back(arg);
            }
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const OptionRow* option = FindOption(name);
        if (option == nullptr) {
            return "unknown option " + name;
        }
        std::string value;
        if (equals != std::string::npos) {
            if (!option->takesValue) {
                return name + " takes no value";
            }
            value = arg.substr(equals + 1);
        } else if (option->takesValue) {
            if (i + 1 >= args.size()) {
                return name + " needs a value";
            }
            value = args[++i];
        }
        if (Problem problem = option->apply(options, value)) {
            return problem;
        }
        given.push_back(option);
    }
    if (command == nullptr) {
        return std::string("no command given");
    }
    options.command = command->command;
    for (const OptionRow* option : given) {
        if ((command->options & option->bit) == 0) {
            return std::string(option->name) + " does not go with " + command->name;
        }
    }
    if (command->takesText) {
        if (operands.empty()) {
            return std::string(command->name) + " needs the text to send";
        }
        options.text = operands.front();
        operands.erase(operands.begin());
    }
    options.ports = std::move(operands);
    return CheckCommand(*command, options);
}

std::string ReportOption(const std::vector<std::string>& args) {
    std::string report;
    for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
        if (args[i] == "--report" && i + 1 < args.size()) {
            report = args[++i];
        } else if (args[i].starts_with("--report=")) {
            report = args[i].substr(std::string_view("--report=").size());
        }
    }
    return report;
}

std::string_view Usage() {
    return R"(Usage: dtuconfig-cli COMMAND [OPTION...] [PORT...]

Commands:
  ports                       list the serial ports, with descriptions where known
  read PORT [--out FILE] [--json]
                              read the device's whole configuration and print it as
                              a profile (INI; GBK in a file, UTF-8 on a terminal) or JSON
  write PORT... --profile FILE [--verify] [--view full|compact] [--dry-run]
        [--devices LIST] [--record FILE]
                              write a profile to every device, all at once; with
                              a device list, each device with its row's values
  diff PORT... --profile FILE [--view full|compact] [--json]
                              read every device and print what a write of the
                              profile would change: KEY (Label): device -> profile
  reset PORT... --yes         restore the factory settings
  restart PORT...             restart the device
  version PORT...             ask the device for its firmware version
  send TEXT PORT... [--eol E] [--raw]
                              send a text, each line ended by CR LF unless told
                              otherwise; print the answer
  find PORT... [--json]       find the line settings each device answers at: the
                              settings given first, then every speed and format,
                              then the data-mode escape at each speed
  help                        this text

A PORT is a device path, or a device behind a serial device server:
rfc2217://HOST:PORT (the line settings go to the server) or socket://HOST:PORT
(plain TCP: the server's own line settings apply).

Options:
  --baud RATE     the PC port's speed (default 115200; find: tried first)
  --parity P      NONE, ODD or EVEN (default NONE)
  --data BITS     7 or 8 (default 8)
  --stop BITS     1 or 2 (default 1)
  --profile FILE  a profile: a saved Lx1Cfg.ini or an exported profile
  --verify        read every device back after writing and compare field by field
  --view V        write the full or the compact view (default: the profile's)
  --dry-run       write: ask what the write needs to know (the version; in the
                  compact view the whole configuration), then print the lines it
                  would send, control bytes as \r \n, and send none of them
  --devices LIST  write: a CSV list (UTF-8 or GBK) whose header names profile keys
                  (DTM/LoginFormat) and optionally a port column; a row's cells
                  replace the profile's values for its device. With a port
                  column each port takes its row; without one the ports take the
                  first rows the record does not show done (--record is then
                  needed). The whole list is checked before any port opens
  --record FILE   write: add a CSV line per device written (time, port, adapter,
                  firmware, list and row, outcome, verify, the row's values);
                  a dry run adds none
  --report FILE   write a JSON report: per device the outcome, refused settings,
                  firmware, mismatches and time taken; written however the
                  command ends (an earlier FILE is removed first)
  --out FILE      read: write the profile to FILE (GBK) instead of the output
  --json          read: print JSON instead of INI; find, diff: the results as JSON
  --eol E         send: what ends each line: crlf (default), cr, lf, or typed
                  (the text's own line breaks as CR LF, nothing added)
  --raw           send: the text's bytes exactly as given
  --yes           reset: confirms the factory reset
  --gap MS        the pause after each answer before the next line (default: the
                  port's framing pause, 60 ms; 80 at 4800 baud, 150 at 2400)
  --verbose       show every exchange on the error output (find: each try)
  --lang L        the language of the device's notes --verbose shows: zh or en
                  (default: the system's)
  -h, --help      this text
  --version       the program's version

Exit status: 0 when every device ended with success (find: was found; diff:
already holds the profile), 1 when one did not (diff: differs), 2 for wrong
arguments, 3 for a bad profile or device list (or a list whose rows are all
done), 4 for a port that cannot be opened (nothing is sent then), 5 when an
output file cannot be written, 130 when interrupted.
)";
}

}  // namespace dtu::cli
