#include "cli/device_batch.h"

#include <algorithm>
#include <optional>

#include "cli/port_info.h"
#include "cli/progress_board.h"
#include "cli/terminal_text.h"

namespace dtu::cli {

namespace {

struct LogMark {
    LogKind kind;
    const char* mark;
};

constexpr LogMark kLogMarks[] = {
    {LogKind::Tx, ">"},
    {LogKind::Rx, "<"},
    {LogKind::Error, "!"},
    {LogKind::Info, "-"},
};

const char* MarkOf(LogKind kind) {
    for (const LogMark& row : kLogMarks) {
        if (row.kind == kind) {
            return row.mark;
        }
    }
    return " ";
}

constexpr std::chrono::seconds kOpenBound{60};

}  // namespace

DeviceBatch::DeviceBatch(const std::vector<std::string>& ports, const RunPlan& plan,
                         const TLangList& texts)
    : DeviceBatch(ports, std::vector<RunPlan>(ports.size(), plan), texts) {}

DeviceBatch::DeviceBatch(const std::vector<std::string>& ports, std::vector<RunPlan> plans,
                         const TLangList& texts)
    : plans_(std::move(plans)) {
    for (std::size_t i = 0; i < ports.size(); ++i) {
        runs_.push_back(std::make_unique<DeviceRun>(loop_, ports[i], plans_.at(i), texts));
    }
}

bool DeviceBatch::OpenAll(const PortTexts& line, const BatchOutput& output) {
    bool allOpen = true;
    std::size_t opening = 0;
    auto refuse = [&](DeviceRun& run, std::string reason) {
        run.Refuse(std::move(reason));
        output.notes << "dtuconfig-cli: " << EscapedText(run.Result().reason) << '\n';
        allOpen = false;
    };
    for (const auto& run : runs_) {
        if (std::optional<std::string> unknown = UnknownPort(run->Result().port)) {
            refuse(*run, *unknown);
            continue;
        }
        ++opening;
        run->BeginOpen(line, [&, &device = *run](const OpenError& open) {
            --opening;
            if (!open.Opened()) {
                refuse(device, ExplainOpenFailure(open));
            }
        });
    }
    // Connects and line settings have their own time-outs; this only bounds a fault.
    if (!loop_.RunUntil([&] { return opening == 0 || interrupted_; }, kOpenBound) || interrupted_) {
        allOpen = false;
    }
    if (!allOpen) {
        for (const auto& run : runs_) {
            run->Close();  // also gives up a connect still under way
        }
    }
    output.notes.flush();
    return allOpen;
}

bool DeviceBatch::Run(const BatchOutput& output, std::chrono::milliseconds bound) {
    std::vector<std::string> ports;
    for (const auto& run : runs_) {
        ports.push_back(run->Result().port);
    }
    std::optional<ProgressBoard> board;
    if (output.progress) {
        board.emplace(output.notes, ports, output.notesDrained);
    }
    auto print = [&](std::ostream& stream, const std::string& line) {
        if (board) {
            board->PrintAbove(stream, line);
        } else {
            stream << line << '\n';
            stream.flush();
        }
    };
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        DeviceRun& run = *runs_[i];
        if (board) {
            run.onStatus = [&board, i](const std::string& status) { board->Set(i, status); };
        }
        if (output.verbose) {
            run.onLog = [&print, &output, &run](LogKind kind, const std::string& text) {
                print(output.notes,
                      run.Result().port + " " + MarkOf(kind) + " " + PrintableText(text));
            };
        }
        run.onDone = [this, &print, &output, &run, i] {
            print(output.results, ResultLine(run.Result()));
            if (onDeviceDone) {
                onDeviceDone(i);
            }
        };
    }
    const auto started = std::chrono::steady_clock::now();
    for (const auto& run : runs_) {
        run->Start();
    }
    auto allDone = [this] {
        return std::all_of(runs_.begin(), runs_.end(), [](const auto& run) { return run->Done(); });
    };
    const bool inTime = loop_.RunUntil(allDone, bound);
    if (!inTime) {
        Interrupt();
    }
    seconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    for (const auto& run : runs_) {
        run->onStatus = nullptr;
        run->onLog = nullptr;
        run->onDone = nullptr;
    }
    if (board) {
        board->Close();
    }
    output.results << SummaryLine(Results(), seconds_) << '\n';
    output.results.flush();
    return inTime;
}

void DeviceBatch::Interrupt() {
    interrupted_ = true;
    for (const auto& run : runs_) {
        run->Interrupt();
    }
}

std::vector<DeviceResult> DeviceBatch::Results() const {
    std::vector<DeviceResult> results;
    for (const auto& run : runs_) {
        results.push_back(run->Result());
    }
    return results;
}

}  // namespace dtu::cli
