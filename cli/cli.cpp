#include "cli/cli.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "app/version_string.h"
#include "cli/cli_options.h"
#include "cli/device_batch.h"
#include "cli/exit_codes.h"
#include "cli/interrupt_watch.h"
#include "cli/port_info.h"
#include "cli/profile_check.h"
#include "cli/profile_render.h"
#include "lang/atomic_write.h"
#include "lang/builtin_texts.h"
#include "lang/gbk.h"

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
};

// The engine's own lines (shown when verbose) come from the built-in language
// rows; the language file is the windows' business.
class BuiltinLanguage {
public:
    BuiltinLanguage() : previous_(LangList) {
        FillLangTable(table_);
        table_.IsChinese = SystemIsChinese();
        LangList = &table_;
    }
    ~BuiltinLanguage() { LangList = previous_; }
    BuiltinLanguage(const BuiltinLanguage&) = delete;
    BuiltinLanguage& operator=(const BuiltinLanguage&) = delete;

private:
    TLangList table_;
    TLangList* previous_;
};

int ListPorts(const Console& console) {
    const std::vector<PortEntry> entries = ListPortEntries();
    if (entries.empty()) {
        console.err << "dtuconfig-cli: no serial port found\n";
    }
    for (const PortEntry& entry : entries) {
        console.out << entry.path << (entry.description.empty() ? "" : "  " + entry.description)
                    << '\n';
    }
    return kExitSuccess;
}

bool WriteOutputFile(const std::string& path, const std::string& bytes, const Console& console) {
    try {
        WriteFileAtomically(path, bytes);
        return true;
    } catch (const FileWriteError& error) {
        console.err << "dtuconfig-cli: " << error.what() << ": " << error.Reason() << '\n';
        return false;
    }
}

// Read: the device's configuration as INI (GBK, UTF-8 on a terminal) or JSON.
bool PrintConfiguration(const Options& options, const DeviceRun& run, const Console& console) {
    const DeviceResult& result = run.Result();
    std::string bytes;
    bool gbk = false;
    if (options.json) {
        JsonWriter json;
        json.BeginObject();
        json.Key("port").String(result.port);
        json.Key("firmware").String(GbkToUtf8(result.firmware));
        json.Key("profile");
        WriteProfileJson(run.Form(), json);
        json.EndObject();
        bytes = json.Text();
    } else {
        bytes = ProfileIni(run.Form(),
                           "read from " + result.port + ", firmware " + GbkToUtf8(result.firmware));
        gbk = true;
    }
    if (!options.out.empty()) {
        return WriteOutputFile(options.out, bytes, console);
    }
    console.out << (gbk && console.outIsTerminal ? GbkToUtf8(bytes) : bytes);
    console.out.flush();
    return true;
}

std::optional<RunPlan> PlanFor(const Options& options, Action action, const Console& console) {
    RunPlan plan;
    plan.action = action;
    if (action == Action::Write) {
        if (std::optional<std::string> problem = LoadProfileFile(options.profile, plan.profile)) {
            console.err << "dtuconfig-cli: " << *problem << '\n';
            return std::nullopt;
        }
        if (options.view) {
            plan.profile.SetView(*options.view);
        }
        plan.verify = options.verify;
    }
    if (action == Action::Send) {
        const std::string text = Utf8ToGbk(options.text);
        plan.text = options.raw ? text : WithLineEnd(text, options.eol);
    }
    return plan;
}

int RunDevices(const Options& options, const CommandAction& command, const Console& console) {
    const std::optional<RunPlan> plan = PlanFor(options, command.action, console);
    if (!plan) {
        return kExitProfile;
    }
    const bool read = command.action == Action::Read;
    // Read keeps the output for the configuration.
    const BatchOutput output{read ? console.err : console.out, console.err, console.errIsTerminal,
                             options.verbose};
    DeviceBatch batch(options.ports, *plan);
    const PortTexts line{"", options.baudRate, options.parity, options.dataBits, options.stopBits};
    int status = kExitSuccess;
    if (!batch.OpenAll(line, output)) {
        status = kExitPort;
    } else {
        bool interrupted = false;
        {
            std::optional<InterruptWatch> watch;
            if (console.catchSignals) {
                watch.emplace(batch.Loop(), [&batch, &interrupted] {
                    interrupted = true;
                    batch.Interrupt();
                });
            }
            interrupted = !batch.Run(output, kBatchBound) || interrupted;
        }
        const std::vector<DeviceResult> results = batch.Results();
        const bool allSucceeded = std::all_of(results.begin(), results.end(), [](const auto& r) {
            return r.verdict == Verdict::Success;
        });
        status = interrupted ? kExitInterrupted : allSucceeded ? kExitSuccess : kExitDeviceFailed;
        if (read && allSucceeded && !PrintConfiguration(options, batch.At(0), console)) {
            return kExitOutput;
        }
    }
    if (!options.report.empty() &&
        !WriteOutputFile(options.report, ReportJson(command.name, batch.Results(), batch.Seconds()),
                         console)) {
        return kExitOutput;
    }
    return status;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const Console& console) {
    Options options;
    if (std::optional<std::string> problem = ParseOptions(args, options)) {
        console.err << "dtuconfig-cli: " << *problem << "\nTry 'dtuconfig-cli --help'.\n";
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
    const BuiltinLanguage language;
    for (const CommandAction& command : kDeviceCommands) {
        if (command.command == options.command) {
            return RunDevices(options, command, console);
        }
    }
    return kExitUsage;
}

}  // namespace dtu::cli
