#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/line_end.h"

namespace dtu::cli {

enum class Command {
    Help,
    ProgramVersion,
    Ports,
    Read,
    Write,
    Reset,
    Restart,
    Version,
    Send,
    Find,
    Diff,
};

// What the command line asked for. Texts are as typed (UTF-8 on a terminal).
struct Options {
    Command command = Command::Help;
    std::vector<std::string> ports = {};
    // The PC port's line settings, checked against the port lists.
    std::string baudRate = "115200";
    std::string parity = "NONE";
    std::string dataBits = "8";
    std::string stopBits = "1";
    std::string profile = {};          // write, diff
    std::optional<int> view = {};      // write, diff: --view full|compact over the profile's
    bool verify = false;               // write
    bool dryRun = false;               // write: print the lines, send none
    std::string devices = {};          // write: a device list with each device's own values
    std::string record = {};           // write: the record a line per device is added to
    std::string report = {};           // every device command
    std::string out = {};              // read
    bool json = false;                 // read, find, diff
    std::string text = {};             // send
    bool raw = false;                  // send: the text's bytes exactly
    LineEnd eol = LineEnd::CrLf;       // send: what ends each line of the text
    bool yes = false;                  // reset: the confirmation
    bool verbose = false;              // every exchange on the error stream
    std::optional<int> gap = {};       // ms after each final line before the next line
    std::optional<bool> chinese = {};  // --lang: the verbose notes' language; unset: the system's
    bool operator==(const Options&) const = default;
};

// Reads the arguments (without the program name). Returns why they are wrong,
// naming the argument, or nothing when `options` holds them.
std::optional<std::string> ParseOptions(const std::vector<std::string>& args, Options& options);

// The file `--report` names among the arguments, even when others are wrong;
// empty when there is none.
std::string ReportOption(const std::vector<std::string>& args);

std::string_view Usage();

}  // namespace dtu::cli
