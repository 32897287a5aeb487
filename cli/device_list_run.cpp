#include "cli/device_list_run.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <unordered_map>

#include "cli/profile_check.h"
#include "cli/terminal_text.h"
#include "form/form_profile.h"
#include "lang/gbk.h"

namespace dtu::cli {

namespace {

struct CsvFaultText {
    CsvFault fault;
    const char* text;
};

constexpr CsvFaultText kCsvFaultTexts[] = {
    {CsvFault::CellTooLong, "a cell is longer than 4096 bytes"},
    {CsvFault::TooManyCells, "a row has more than 128 cells"},
    {CsvFault::TooManyRecords, "the list has more than 100000 rows"},
    {CsvFault::QuoteInBareCell, "a double quote inside a cell that does not start with one"},
    {CsvFault::TextAfterQuote, "text after a cell's closing double quote"},
    {CsvFault::UnclosedQuote, "a double quote that is never closed"},
};

std::string CsvFaultWords(CsvFault fault) {
    for (const CsvFaultText& row : kCsvFaultTexts) {
        if (row.fault == fault) {
            return row.text;
        }
    }
    return "not CSV";
}

std::string Shown(const std::string& gbk) {
    return EscapedText(GbkToUtf8(gbk));
}

std::string Why(const ListProblem& problem) {
    switch (problem.fault) {
        case ListFault::Unreadable:
            return "cannot be read";
        case ListFault::TooLarge:
            return "is larger than 16 MiB";
        case ListFault::Csv:
            return CsvFaultWords(problem.csv);
        case ListFault::NoRows:
            return "a header row and at least one row are due";
        case ListFault::EmptyName:
            return "a column without a name";
        case ListFault::UnknownColumn:
            return Shown(problem.key) + ": no profile key of that name (SECTION/Key, or port)";
        case ListFault::ColumnTwice:
            return Shown(problem.key) + " is column " + std::to_string(problem.firstLine) +
                   " already";
        case ListFault::CellCount:
            return "the row's cell count (" + std::to_string(problem.firstLine) +
                   ") differs from the header's";
        case ListFault::NoPort:
            return "the row names no port";
        case ListFault::PortTwice:
            return "port " + Shown(problem.value) + " has a row on line " +
                   std::to_string(problem.firstLine) + " already";
        case ListFault::BadTick:
            return Shown(problem.key) + "=" + Shown(problem.value) + ": 1 or 0 is due";
        case ListFault::ApnNotTaken:
            return Shown(problem.key) + "=" + Shown(problem.value) + ": " +
                   ProfileKeyName(Field::ApnChoice) + "=" + std::to_string(kApnOtherChoice) +
                   " is due for it to be taken";
        case ListFault::BrokenValue:
            break;
    }
    return Shown(problem.key) + "=" + Shown(problem.value) + ": " + RuleText(problem.rule) +
           (problem.fromProfile ? " (the profile's value, which the row leaves)" : "");
}

std::string ProblemLines(const std::string& path, const std::vector<ListProblem>& problems) {
    std::string lines;
    for (const ListProblem& problem : problems) {
        lines += EscapedText(path);
        if (problem.line != 0) {
            lines += ":" + std::to_string(problem.line);
        }
        if (problem.column != 0) {
            lines += ":" + std::to_string(problem.column);
        }
        lines += ": " + Why(problem) + "\n";
    }
    if (problems.size() >= kDeviceListMaxProblems) {
        lines += EscapedText(path) + ": (the problems after these are not listed)\n";
    }
    lines.pop_back();
    return lines;
}

bool IsNetworkPort(const std::string& port) {
    return port.find("://") != std::string::npos;
}

// The device a serial port name leads to (a by-id name may come without its
// folder); nothing for a network port or a name that leads nowhere.
std::optional<std::string> DeviceOf(const std::string& name) {
    if (IsNetworkPort(name)) {
        return std::nullopt;
    }
    const std::filesystem::path path = name.find('/') == std::string::npos
                                           ? std::filesystem::path("/dev/serial/by-id") / name
                                           : std::filesystem::path(name);
    std::error_code error;
    const std::filesystem::path device = std::filesystem::canonical(path, error);
    return error ? std::nullopt : std::optional<std::string>(device.string());
}

// Each port given takes the row whose port cell is the same text or leads to
// the same device.
std::optional<std::string> RowsByPort(const Options& options, ListRun& run) {
    const std::size_t column = *run.list.portColumn;
    std::unordered_map<std::string, std::size_t> named;
    std::unordered_map<std::string, std::size_t> devices;
    for (std::size_t row = 0; row < run.list.rows.size(); ++row) {
        const std::string cell = GbkToUtf8(run.list.rows[row].cells[column]);
        named.emplace(cell, row);
        if (const std::optional<std::string> device = DeviceOf(cell)) {
            devices.emplace(*device, row);
        }
    }
    for (const std::string& port : options.ports) {
        std::optional<std::size_t> row;
        if (const auto found = named.find(port); found != named.end()) {
            row = found->second;
        } else if (const std::optional<std::string> device = DeviceOf(port)) {
            if (const auto same = devices.find(*device); same != devices.end()) {
                row = same->second;
            }
        }
        if (!row) {
            return EscapedText(port) + " has no row in " + EscapedText(options.devices) +
                   "; nothing was sent";
        }
        run.rows.push_back(*row);
    }
    return std::nullopt;
}

std::optional<std::string> RowsInOrder(const Options& options, ListRun& run) {
    if (options.record.empty()) {
        return EscapedText(options.devices) +
               " has no port column: its rows are taken in order, which needs --record FILE "
               "to know the rows done";
    }
    const std::set<std::size_t> done = RowsDone(options.record, run.path);
    for (std::size_t row = 0; row < run.list.rows.size() && run.rows.size() < options.ports.size();
         ++row) {
        if (!done.contains(row + 1)) {
            run.rows.push_back(row);
        }
    }
    if (run.rows.empty()) {
        return "every row of " + EscapedText(options.devices) + " is done, as " +
               EscapedText(options.record) + " shows; nothing was sent";
    }
    if (run.rows.size() < options.ports.size()) {
        return std::to_string(run.rows.size()) + " rows of " + EscapedText(options.devices) +
               " are left for " + std::to_string(options.ports.size()) + " ports; nothing was sent";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> PrepareListRun(const Options& options, const FormModel& base,
                                          ListRun& run) {
    std::error_code error;
    run.path = std::filesystem::absolute(options.devices, error).lexically_normal().string();
    DeviceListRead read = ReadDeviceList(options.devices);
    if (read.problems.empty()) {
        read.problems = CheckDeviceList(read.list, base);
    }
    if (!read.problems.empty()) {
        return ProblemLines(options.devices, read.problems);
    }
    run.list = std::move(read.list);
    return run.list.portColumn ? RowsByPort(options, run) : RowsInOrder(options, run);
}

std::vector<RunPlan> ListPlans(const ListRun& run, const RunPlan& base) {
    std::vector<RunPlan> plans;
    for (const std::size_t row : run.rows) {
        plans.push_back(base);
        plans.back().profile = MergedForm(run.list, row, base.profile);
    }
    return plans;
}

RecordEntry RecordOf(const DeviceResult& result, const ListRun* run, std::size_t index,
                     bool verify) {
    RecordEntry entry;
    entry.time = IsoTime(std::time(nullptr));
    entry.port = result.port;
    entry.adapter = AdapterName(result.port);
    entry.firmware = GbkToUtf8(result.firmware);
    entry.outcome = VerdictName(result.verdict);
    entry.verify = !verify                               ? "not asked"
                   : result.verdict == Verdict::Success  ? "matched"
                   : result.verdict == Verdict::Mismatch ? "mismatched"
                                                         : "not done";
    if (run != nullptr) {
        const std::size_t row = run->rows.at(index);
        entry.list = run->path;
        entry.row = row + 1;
        for (const auto& [key, value] : RowValues(run->list, row)) {
            entry.values.emplace_back(GbkToUtf8(key), GbkToUtf8(value));
        }
    }
    return entry;
}

}  // namespace dtu::cli
