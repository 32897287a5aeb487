#include "cli/cli.h"

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>

#include "cli/cli_options.h"
#include "cli/device_batch.h"
#include "cli/device_list_run.h"
#include "cli/diff_render.h"
#include "cli/exit_codes.h"
#include "cli/find_batch.h"
#include "cli/find_render.h"
#include "cli/interrupt_watch.h"
#include "cli/output_files.h"
#include "cli/port_info.h"
#include "cli/profile_check.h"
#include "cli/profile_render.h"
#include "cli/terminal_text.h"
#include "lang/builtin_texts.h"
#include "lang/gbk.h"
#include "shell/version_string.h"

namespace dtu::cli {

namespace {

using namespace std::chrono_literals;

// Every run ends by itself well before this: each line has its reply time-out.
constexpr std::chrono::milliseconds kBatchBound = 1h;

struct CommandAction {
    Command command;
    Action action;
    const char* name;
};

constexpr CommandAction kDeviceCommands[] = {
    {Command::Read, Action::Read, "read"},          {Command::Write, Action::Write, "write"},
    {Command::Reset, Action::Reset, "reset"},       {Command::Restart, Action::Restart, "restart"},
    {Command::Version, Action::Version, "version"}, {Command::Send, Action::Send, "send"},
    {Command::Diff, Action::Diff, "diff"},
};

// The engine's own lines (shown when verbose) come from the built-in language
// rows in the language asked for, else the user's; the language file is the
// windows' business.
void FillEngineTexts(TLangList& table, const Options& options) {
    FillLangTable(table);
    table.IsChinese = options.chinese.value_or(SystemIsChinese());
}

int ListPorts(const Console& console) {
    const std::vector<PortEntry> entries = ListPortEntries();
    if (entries.empty()) {
        console.err << "dtuconfig-cli: no serial port found\n";
    }
    for (const PortEntry& entry : entries) {
        console.out << EscapedText(entry.path)
                    << (entry.description.empty() ? "" : "  " + EscapedText(entry.description))
                    << '\n';
    }
    return kExitSuccess;
}

// Read: the device's configuration as INI or JSON. A file takes the INI in the
// settings file's GBK; the output is UTF-8, to a terminal or a pipe alike.
bool PrintConfiguration(const Options& options, const DeviceRun& run, const Console& console,
                        OutputFiles& files) {
    const DeviceResult& result = run.Result();
    std::string bytes;
    if (options.json) {
        JsonWriter json;
        json.BeginObject();
        json.Key("port").String(result.port);
        json.Key("outcome").String(VerdictName(result.verdict));
        json.Key("firmware").String(GbkToUtf8(result.firmware));
        json.Key("profile");
        WriteProfileJson(run.Form(), json);
        json.EndObject();
        bytes = json.Text();
    } else {
        bytes = ProfileIni(run.Form(),
                           "read from " + result.port + ", firmware " + GbkToUtf8(result.firmware));
    }
    if (!options.out.empty()) {
        return files.Write(options.out, bytes, console.err, ProfileFileAccess(run.Form()));
    }
    console.out << (options.json ? bytes : GbkToUtf8(bytes));
    console.out.flush();
    return true;
}

// A read that failed still gives a JSON reader an object: the device's result
// as the report has it, and the profile only when the device answered and some
// values were not read, those values null. It goes to the output, never over
// the --out file.
void PrintReadFailure(const DeviceRun& run, const Console& console) {
    const DeviceResult& result = run.Result();
    JsonWriter json;
    json.BeginObject();
    WriteDeviceFields(json, result);
    json.Key("profile");
    if (result.verdict == Verdict::Incomplete) {
        WriteProfileJson(run.Form(), json, run.FieldsNotRead());
    } else {
        json.Null();
    }
    json.EndObject();
    console.out << json.Text();
    console.out.flush();
}

// The plan of the runs, or why the profile cannot be written.
std::optional<RunPlan> PlanFor(const Options& options, Action action, std::string& problem) {
    RunPlan plan;
    plan.action = action;
    if (options.gap) {
        plan.gap = std::chrono::milliseconds(*options.gap);
    }
    if (action == Action::Write || action == Action::Diff) {
        if (std::optional<std::string> bad =
                LoadProfileFile(options.profile, plan.profile, options.view)) {
            problem = *bad;
            return std::nullopt;
        }
        plan.verify = options.verify;
        plan.dryRun = options.dryRun;
    }
    if (action == Action::Send) {
        const std::string text = Utf8ToGbk(options.text);
        plan.text = options.raw ? text : WithLineEnd(text, options.eol);
    }
    return plan;
}

// Every port given, none of them started.
std::vector<DeviceResult> NotStarted(const std::vector<std::string>& ports) {
    std::vector<DeviceResult> results;
    for (const std::string& port : ports) {
        DeviceResult result;
        result.port = port;
        results.push_back(std::move(result));
    }
    return results;
}

// How a batch that ran ended, for the exit status and the report.
struct BatchEnd {
    int status = kExitSuccess;
    std::string reason;
    std::vector<DeviceResult> results;
    double seconds = 0;
};

int StatusForSignal(int signal) {
    return signal == SIGHUP ? kExitHangUp : kExitInterrupted;
}

std::string InterruptedBy(int signal) {
    return std::string("interrupted by SIG") + sigabbrev_np(signal);
}

// While `watch` lives, a stop signal is kept in `stopSignal` and ends `batch`'s
// work; a command line run inside a test catches none.
template <class Batch>
void WatchStopSignals(const Console& console, Batch& batch, int& stopSignal,
                      std::optional<InterruptWatch>& watch) {
    if (console.catchSignals) {
        watch.emplace(batch.Loop(), [&batch, &stopSignal](int signal) {
            stopSignal = signal;
            batch.Interrupt();
        });
    }
}

// Diff: the differences of every device that was read, as lines or JSON.
void PrintDifferences(const Options& options, const DeviceBatch& batch, const Console& console) {
    std::vector<DiffEntry> entries;
    for (std::size_t index = 0; index < options.ports.size(); ++index) {
        const DeviceRun& run = batch.At(index);
        entries.push_back({run.Result(), run.Differences()});
        if (!options.json) {
            const std::string port = options.ports.size() > 1 ? options.ports[index] : "";
            console.out << DifferenceLines(run.Differences(), port);
        }
    }
    if (options.json) {
        console.out << DiffJson(entries);
    }
    console.out.flush();
}

// A dry run: the lines each device's write would send.
void PrintDryRuns(const Options& options, const DeviceBatch& batch, const Console& console) {
    for (std::size_t index = 0; index < options.ports.size(); ++index) {
        const std::string port = options.ports.size() > 1 ? options.ports[index] : "";
        console.out << DryRunText(batch.At(index).DryRunLines(), port);
    }
    console.out.flush();
}

// A record line for each device as its run ends, when --record asks for them.
// A dry run writes nothing, so it records nothing.
void KeepRecord(const Options& options, DeviceBatch& batch, const ListRun* list,
                bool& recordFailed) {
    if (options.record.empty() || options.dryRun) {
        return;
    }
    batch.onDeviceDone = [&options, &batch, list, &recordFailed](std::size_t index) {
        const RecordEntry entry = RecordOf(batch.At(index).Result(), list, index, options.verify);
        recordFailed = !AppendRecord(options.record, RecordLine(entry)) || recordFailed;
    };
}

BatchEnd RunBatch(const Options& options, std::vector<RunPlan> plans, const ListRun* list,
                  const Console& console, OutputFiles& files) {
    const Action action = plans.front().action;
    const bool read = action == Action::Read;
    const bool diff = action == Action::Diff;
    const bool dryRun = plans.front().dryRun;
    // Read, diff and a dry run keep the output for what they found.
    const bool printsFindings = read || diff || dryRun;
    const BatchOutput output{printsFindings ? console.err : console.out, console.err,
                             console.errIsTerminal, options.verbose, console.errDrained};
    TLangList texts;
    FillEngineTexts(texts, options);
    DeviceBatch batch(options.ports, std::move(plans), texts);
    bool recordFailed = false;
    KeepRecord(options, batch, list, recordFailed);
    const PortTexts line{"", options.baudRate, options.parity, options.dataBits, options.stopBits};
    BatchEnd end;
    int stopSignal = 0;
    // A stop signal ends the opening as it ends the runs: a name lookup or a
    // connect under way is given up.
    std::optional<InterruptWatch> watch;
    WatchStopSignals(console, batch, stopSignal, watch);
    if (!batch.OpenAll(line, output)) {
        end.status = stopSignal != 0 ? StatusForSignal(stopSignal) : kExitPort;
        end.reason = stopSignal != 0 ? InterruptedBy(stopSignal) + "; nothing was sent"
                                     : "a port could not be opened; nothing was sent";
    } else {
        const bool inTime = batch.Run(output, kBatchBound);
        watch.reset();
        const std::vector<DeviceResult> results = batch.Results();
        const bool allSucceeded = std::all_of(results.begin(), results.end(), [](const auto& r) {
            return r.verdict == Verdict::Success;
        });
        if (stopSignal != 0) {
            end.status = StatusForSignal(stopSignal);
            end.reason = InterruptedBy(stopSignal);
        } else if (!inTime) {
            end.status = kExitInterrupted;
            end.reason = "interrupted: the runs took too long";
        } else {
            end.status = allSucceeded ? kExitSuccess : kExitDeviceFailed;
        }
        if (read && allSucceeded && !PrintConfiguration(options, batch.At(0), console, files)) {
            end.status = kExitOutput;
            end.reason = "the output file could not be written";
        }
        if (diff) {
            PrintDifferences(options, batch, console);
        }
        if (dryRun) {
            PrintDryRuns(options, batch, console);
        }
        if (recordFailed) {
            console.err << "dtuconfig-cli: cannot add to the record " << EscapedText(options.record)
                        << '\n';
            end.status = kExitOutput;
            end.reason = "the record could not be written";
        }
    }
    end.results = batch.Results();
    end.seconds = batch.Seconds();
    if (read && options.json && end.results.at(0).verdict != Verdict::Success) {
        PrintReadFailure(batch.At(0), console);
    }
    return end;
}

int RunDevices(const Options& options, const CommandAction& command, const Console& console,
               OutputFiles& files) {
    std::string problem;
    const std::optional<RunPlan> plan = PlanFor(options, command.action, problem);
    // A device list is checked whole before any port opens.
    ListRun list;
    std::optional<std::string> badList;
    if (plan && !options.devices.empty()) {
        badList = PrepareListRun(options, plan->profile, list);
    }
    BatchEnd end;
    if (!plan || badList) {
        console.err << "dtuconfig-cli: " << (plan ? *badList : problem) << '\n';
        end.status = kExitProfile;
        end.reason = plan ? "bad device list: " + *badList : "bad profile: " + problem;
        end.results = NotStarted(options.ports);
    } else {
        // The ports are closed again before the report is written.
        const bool listed = !options.devices.empty();
        end = RunBatch(
            options,
            listed ? ListPlans(list, *plan) : std::vector<RunPlan>(options.ports.size(), *plan),
            listed ? &list : nullptr, console, files);
    }
    if (!options.report.empty() &&
        !files.Write(options.report, ReportJson(command.name, end.results, end.seconds, end.reason),
                     console.err)) {
        return kExitOutput;
    }
    return end.status;
}

// Find: one search per port, side by side; a line per port as it ends, or
// JSON once all have.
int RunFind(const Options& options, const Console& console) {
    for (const std::string& port : options.ports) {
        if (std::optional<std::string> unknown = UnknownPort(port)) {
            console.err << "dtuconfig-cli: " << EscapedText(*unknown) << '\n';
            return kExitPort;
        }
    }
    FindBatch batch(options.ports);
    if (options.verbose) {
        batch.onTry = [&](std::size_t index, const FindTry& setting) {
            console.err << EscapedText(options.ports[index]) << " - trying " << SettingText(setting)
                        << (setting.escape ? " with the escape" : "") << '\n';
            console.err.flush();
        };
    }
    if (!options.json) {
        batch.onDone = [&](std::size_t index) {
            console.out << FindLine(batch.Results()[index]) << '\n';
            console.out.flush();
        };
    }
    int stopSignal = 0;
    std::optional<InterruptWatch> watch;
    WatchStopSignals(console, batch, stopSignal, watch);
    const PortTexts first{"", options.baudRate, options.parity, options.dataBits, options.stopBits};
    const bool inTime = batch.Run(first, kBatchBound);
    watch.reset();
    if (options.json) {
        console.out << FindJson(batch.Results());
        console.out.flush();
    }
    if (stopSignal != 0) {
        return StatusForSignal(stopSignal);
    }
    if (!inTime) {
        return kExitInterrupted;
    }
    int status = kExitSuccess;
    for (const FindResult& result : batch.Results()) {
        if (result.outcome.end == FindEnd::PortFailed) {
            return kExitPort;
        }
        if (result.outcome.end != FindEnd::Found) {
            status = kExitDeviceFailed;
        }
    }
    return status;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const Console& console) {
    // Whatever ends this command, an earlier report cannot pass for its own.
    const std::string report = ReportOption(args);
    RemoveEarlierFile(report);
    OutputFiles files;
    Options options;
    if (std::optional<std::string> problem = ParseOptions(args, options)) {
        console.err << "dtuconfig-cli: " << EscapedText(*problem)
                    << "\nTry 'dtuconfig-cli --help'.\n";
        // The arguments stay the first thing to mend, whether the report went out or not.
        if (!report.empty()) {
            files.Write(report, ReportJson("", {}, 0, "bad arguments: " + *problem), console.err);
        }
        return kExitUsage;
    }
    if (options.command == Command::Help) {
        console.out << Usage();
        return kExitSuccess;
    }
    if (options.command == Command::ProgramVersion) {
        console.out << "dtuconfig-cli " << GetVersionString() << '\n';
        return kExitSuccess;
    }
    if (options.command == Command::Ports) {
        return ListPorts(console);
    }
    if (options.command == Command::Find) {
        return RunFind(options, console);
    }
    for (const CommandAction& command : kDeviceCommands) {
        if (command.command == options.command) {
            return RunDevices(options, command, console, files);
        }
    }
    return kExitUsage;
}

}  // namespace dtu::cli
