#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "cli/device_result.h"
#include "form/field_compare.h"
#include "form/form_model.h"
#include "lang/lang_list.h"
#include "session/device_session.h"
#include "session/event_loop.h"

namespace dtu::cli {

enum class Action { Read, Write, Reset, Restart, Version, Send, Diff };

// What every device of one command gets.
struct RunPlan {
    Action action = Action::Read;
    FormModel profile;    // write, diff
    bool verify = false;  // write: read back and compare
    bool dryRun = false;  // write: decide the lines, send none of them
    std::string text;     // send: the bytes, GBK
    // The pause after each final line; nothing: the port's framing pause.
    std::optional<std::chrono::milliseconds> gap;
};

// One device on one port: its own session on the shared loop, the action of
// the plan, for write the read back, and the result.
class DeviceRun : private SessionListener {
public:
    // `texts` puts the engine's notes into words for the log.
    DeviceRun(EventLoop& loop, std::string port, const RunPlan& plan, const TLangList& texts);
    ~DeviceRun() override;
    DeviceRun(const DeviceRun&) = delete;
    DeviceRun& operator=(const DeviceRun&) = delete;

    // Opens the port with `line`'s settings (its name is ignored); `done` runs
    // on the loop once it is open or has failed, at once for a serial port.
    void BeginOpen(const PortTexts& line, std::function<void(const OpenError&)> done);
    // The port could not be used: `reason` (UTF-8) is why.
    void Refuse(std::string reason);
    void Close() { session_.ClosePort(); }
    // Why the last Open failed.
    void Start();
    // Ends the run in progress as interrupted.
    void Interrupt();

    bool Done() const { return done_; }
    const DeviceResult& Result() const { return result_; }
    // Read: the device's configuration once the run succeeded.
    const FormModel& Form() const { return session_.Form(); }
    // Read: the fields the device was asked for and did not tell.
    const std::set<Field>& FieldsNotRead() const { return notReadFields_; }
    // Diff: what a write of the profile would change, once the read ended.
    const std::vector<FieldDifference>& Differences() const { return differences_; }
    // A dry run: the lines the write would send, once it succeeded.
    const std::vector<std::string>& DryRunLines() const { return dryRunLines_; }

    // A run in progress moved on: its progress text.
    std::function<void(const std::string& status)> onStatus;
    // Every line of the exchange, GBK.
    std::function<void(LogKind kind, const std::string& text)> onLog;
    std::function<void()> onDone;

private:
    // Surveying: a read before a compact-view write, to name the hidden
    // settings the write changes. AskingVersion: a dry run learns the
    // firmware family, which decides the write's lines.
    enum class Phase { Idle, Surveying, AskingVersion, Running, Verifying, AwaitingAnswer, Done };

    void OnLog(LogKind kind, const std::string& text) override;
    void OnNote(const EngineNote& note) override;
    void OnProgress(const Progress& progress) override;
    void OnPortStatus(const PortStatus&) override {}
    void OnRunFinished(const RunOutcome& outcome) override;

    // The lines the outcome names, into the result.
    void Take(const RunOutcome& outcome);
    void StartWrite();
    void StartDiff();
    void FinishDiff(const RunOutcome& outcome);
    void StartVerify();
    void Finish(Verdict verdict);
    std::string StageName() const;
    bool FamilyTwo() const;

    EventLoop& loop_;
    const RunPlan& plan_;
    const TLangList& texts_;
    DeviceSession session_;
    DeviceResult result_;
    Phase phase_ = Phase::Idle;
    bool done_ = false;
    std::chrono::steady_clock::time_point started_;
    std::set<Field> notReadFields_;
    std::set<std::string> tooLong_;  // lines whose answer passed the bound
    std::vector<FieldDifference> differences_;
    std::vector<std::string> dryRunLines_;
};

}  // namespace dtu::cli
