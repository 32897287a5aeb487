#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form_model.h"

namespace dtu::cli {
namespace {

using Args = std::vector<std::string>;

TEST(CliOptions, ReadsEveryCommandWithItsOptions) {
    struct Row {
        const char* name;
        Args args;
        Options expected;
    };
    const Row rows[] = {
        {"ports", {"ports"}, {.command = Command::Ports}},
        {"help_anywhere", {"write", "--frobnicate", "-h"}, {}},
        {"read_defaults",
         {"read", "/dev/ttyUSB0"},
         {.command = Command::Read, .ports = {"/dev/ttyUSB0"}}},
        {"read_json_to_file",
         {"read", "--json", "--out=cfg.json", "ttyS1", "--baud", "9600", "--parity=even"},
         {.command = Command::Read,
          .ports = {"ttyS1"},
          .baudRate = "9600",
          .parity = "EVEN",
          .out = "cfg.json",
          .json = true}},
        {"write_many",
         {"write", "a", "b", "--profile", "p.ini", "--verify", "--view", "compact", "--report",
          "r.json", "--data", "7", "--stop", "2", "c"},
         {.command = Command::Write,
          .ports = {"a", "b", "c"},
          .dataBits = "7",
          .stopBits = "2",
          .profile = "p.ini",
          .view = kCompactView,
          .verify = true,
          .report = "r.json"}},
        {"send_text_first",
         {"send", "AT+CSQ", "a", "b", "--raw", "--verbose", "--lang", "zh"},
         {.command = Command::Send,
          .ports = {"a", "b"},
          .text = "AT+CSQ",
          .raw = true,
          .verbose = true,
          .chinese = true}},
        {"send_dash_text",
         {"send", "--", "-x", "a"},
         {.command = Command::Send, .ports = {"a"}, .text = "-x"}},
        {"send_line_end",
         {"send", "AT+CSQ", "a", "--eol", "CR"},
         {.command = Command::Send, .ports = {"a"}, .text = "AT+CSQ", .eol = LineEnd::Cr}},
        {"send_as_typed",
         {"send", "AT\nATI", "a", "--eol=typed"},
         {.command = Command::Send, .ports = {"a"}, .text = "AT\nATI", .eol = LineEnd::AsTyped}},
        {"version_of_the_program", {"--version"}, {.command = Command::ProgramVersion}},
        {"reset_confirmed",
         {"reset", "--yes", "a"},
         {.command = Command::Reset, .ports = {"a"}, .yes = true}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Options options;
        EXPECT_EQ(ParseOptions(row.args, options), std::nullopt);
        EXPECT_EQ(options, row.expected);
    }
}

TEST(CliOptions, NamesTheArgumentThatIsWrong) {
    struct Row {
        Args args;
        const char* why;
    };
    const Row rows[] = {
        {{}, "no command given"},
        {{"flash", "a"}, "unknown command flash"},
        {{"read", "a", "--fast"}, "unknown option --fast"},
        {{"read", "a", "--baud"}, "--baud needs a value"},
        {{"read", "a", "--json=1"}, "--json takes no value"},
        {{"read", "a", "--baud", "9601"},
         "--baud 9601: not one of 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, "
         "57600, 115200"},
        {{"read", "a", "--parity", "mark"}, "--parity mark: not one of NONE, ODD, EVEN"},
        {{"write", "a", "--profile", "p", "--view", "wide"},
         "--view wide: not one of full, compact"},
        {{"read", "a", "b"}, "read takes one port"},
        {{"read"}, "read needs one port"},
        {{"version"}, "version needs at least one port"},
        {{"ports", "a"}, "ports takes no port"},
        {{"write", "a"}, "write needs --profile FILE"},
        {{"write", "a", "b", "a", "--profile", "p"}, "port a is given twice"},
        {{"read", "a", "--verify"}, "--verify does not go with read"},
        {{"version", "a", "--devices", "l.csv"}, "--devices does not go with version"},
        {{"write", "a", "--profile", "p", "--record", ""}, "--record needs a file name"},
        {{"version", "a", "--stop", "2", "--out", "x"}, "--out does not go with version"},
        {{"ports", "--parity", "odd"}, "--parity does not go with ports"},
        {{"send"}, "send needs the text to send"},
        {{"send", "AT"}, "send needs at least one port"},
        {{"send", "AT", "a", "--eol", "crcr"}, "--eol crcr: not one of typed, cr, lf, crlf"},
        {{"send", "AT", "a", "--eol", "lf", "--raw"},
         "--raw sends the text exactly; it takes no --eol"},
        {{"read", "a", "--eol", "cr"}, "--eol does not go with read"},
        {{"reset", "a"},
         "reset restores the factory settings of every port given; add --yes to go ahead"},
        {{"version", "a", "--report", ""}, "--report needs a file name"},
        {{"version", "a", "--report="}, "--report needs a file name"},
        {{"read", "a", "--out", ""}, "--out needs a file name"},
        {{"read", "a", "--lang", "fr"}, "--lang fr: not one of zh, en"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        Options options;
        EXPECT_EQ(ParseOptions(row.args, options), std::optional<std::string>(row.why));
    }
}

// The report file is known even when other arguments are wrong, so that the
// report can say so.
TEST(CliOptions, ReportFileIsFoundAmongAnyArguments) {
    struct Row {
        const char* name;
        Args args;
        const char* report;
    };
    const Row rows[] = {
        {"after_a_bad_option", {"write", "a", "--fast", "--report", "r.json"}, "r.json"},
        {"before_an_unknown_command", {"--report=r.json", "flash"}, "r.json"},
        {"last_one_counts", {"version", "a", "--report", "1", "--report", "2"}, "2"},
        {"value_missing", {"version", "a", "--report"}, ""},
        {"after_the_end_of_options", {"send", "--", "--report", "r.json"}, ""},
        {"none", {"version", "a"}, ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReportOption(row.args), row.report) << row.name;
    }
}

}  // namespace
}  // namespace dtu::cli
