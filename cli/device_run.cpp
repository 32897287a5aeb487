#include "cli/device_run.h"

#include "cli/progress_board.h"
#include "protocol/engine.h"
#include "protocol/firmware.h"

namespace dtu::cli {

namespace {

struct ActionRow {
    Action action;
    const char* stage;
};

constexpr ActionRow kActions[] = {
    {Action::Read, "read"},       {Action::Write, "write"},     {Action::Reset, "reset"},
    {Action::Restart, "restart"}, {Action::Version, "version"}, {Action::Send, "send"},
};

constexpr int kFamilyWithCloud = 2;

std::string LineText(const PortTexts& settings) {
    return settings[1] + "," + settings[2] + "," + settings[3] + "," + settings[4];
}

}  // namespace

DeviceRun::DeviceRun(EventLoop& loop, std::string port, const RunPlan& plan)
    : loop_(loop), plan_(plan), session_(loop, loop), started_(std::chrono::steady_clock::now()) {
    result_.port = std::move(port);
    session_.SetListener(this);
}

DeviceRun::~DeviceRun() {
    if (answerTimer_ != 0) {
        loop_.Cancel(answerTimer_);
    }
    session_.SetListener(nullptr);
}

void DeviceRun::BeginOpen(const PortTexts& line, std::function<void(const OpenResult&)> done) {
    PortTexts texts = line;
    texts[0] = result_.port;
    result_.line = LineText(texts);
    session_.BeginOpenPort(texts, std::move(done));
}

void DeviceRun::Refuse(std::string reason) {
    result_.verdict = Verdict::OpenFailed;
    result_.reason = std::move(reason);
}

void DeviceRun::Start() {
    started_ = std::chrono::steady_clock::now();
    result_.stage = StageName();
    phase_ = Phase::Running;
    switch (plan_.action) {
        case Action::Read:
            session_.ReadAll();
            break;
        case Action::Write:
            session_.Form() = plan_.profile;
            session_.WriteAll();
            break;
        case Action::Reset:
            session_.FactoryReset();
            break;
        case Action::Restart:
            session_.RestartDevice();
            break;
        case Action::Version:
        case Action::Send:
            SendDirect();
            break;
    }
}

void DeviceRun::SendDirect() {
    phase_ = Phase::AwaitingAnswer;
    // A direct send has no reply timer of its own: the command line waits as long
    // as a line of a list would.
    answerTimer_ = loop_.Start(Engine::kReplyTimeout, [this] {
        answerTimer_ = 0;
        Finish(Verdict::NoAnswer);
    });
    if (plan_.action == Action::Version) {
        session_.QueryVersion();
    } else {
        session_.SendRaw(plan_.text);
    }
}

void DeviceRun::Interrupt() {
    if (done_) {
        return;
    }
    if (phase_ == Phase::AwaitingAnswer) {
        Finish(Verdict::Interrupted);
        return;
    }
    // A list in progress ends as interrupted, which finishes the run.
    session_.ClosePort();
    Finish(Verdict::Interrupted);
}

void DeviceRun::OnLog(LogKind kind, const std::string& text) {
    if (onLog) {
        onLog(kind, text);
    }
    if (phase_ != Phase::AwaitingAnswer || kind == LogKind::Tx) {
        return;
    }
    phase_ = Phase::Answered;
    loop_.Cancel(answerTimer_);
    answerTimer_ = 0;
    if (plan_.action == Action::Send || kind == LogKind::Error) {
        result_.answer = text;
    }
    const Verdict verdict = !session_.PortIsOpen()   ? Verdict::PortLost
                            : kind == LogKind::Error ? Verdict::Refused
                                                     : Verdict::Success;
    // The answer is logged before its values reach the session (the version among
    // them), so the run ends once the session has taken them.
    loop_.Post([this, verdict] { Finish(verdict); });
}

void DeviceRun::OnProgress(const Progress& progress) {
    if (onStatus && progress.visible) {
        onStatus(ProgressText(progress, StageName()));
    }
}

void DeviceRun::OnRunFinished(const RunOutcome& outcome) {
    if (phase_ != Phase::Running && phase_ != Phase::Verifying) {
        return;
    }
    // The keys a refused set line carried; the queries of the read back carry none.
    const bool writing = plan_.action == Action::Write && phase_ == Phase::Running;
    for (const std::string& command : outcome.refused) {
        result_.refused.push_back({command, writing
                                                ? KeysSentBy(command, plan_.profile, FamilyTwo())
                                                : std::vector<std::string>()});
    }
    result_.unreadable = outcome.unreadable;
    result_.reason = outcome.reason;
    if (outcome.end != RunEnd::Success) {
        Finish(VerdictOf(outcome.end));
        return;
    }
    if (phase_ == Phase::Running && plan_.action == Action::Write && plan_.verify) {
        // Started from the loop, once the engine is out of the run that just ended.
        loop_.Post([this] { StartVerify(); });
        return;
    }
    if (phase_ == Phase::Verifying) {
        result_.mismatches = CompareWritten(plan_.profile, session_.Form(), FamilyTwo());
        Finish(result_.mismatches.empty() ? Verdict::Success : Verdict::Mismatch);
        return;
    }
    Finish(Verdict::Success);
}

void DeviceRun::StartVerify() {
    if (done_) {
        return;
    }
    phase_ = Phase::Verifying;
    result_.stage = StageName();
    session_.ReadAll();
}

void DeviceRun::Finish(Verdict verdict) {
    if (done_) {
        return;
    }
    if (answerTimer_ != 0) {
        loop_.Cancel(answerTimer_);
        answerTimer_ = 0;
    }
    phase_ = Phase::Done;
    done_ = true;
    result_.verdict = verdict;
    result_.firmware = session_.FirmwareVersion();
    result_.line = LineText(session_.PortSettings());
    result_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    if (onStatus) {
        onStatus(std::string(VerdictName(verdict)));
    }
    if (onDone) {
        onDone();
    }
}

std::string DeviceRun::StageName() const {
    if (phase_ == Phase::Verifying) {
        return "verify";
    }
    for (const ActionRow& row : kActions) {
        if (row.action == plan_.action) {
            return row.stage;
        }
    }
    return {};
}

bool DeviceRun::FamilyTwo() const {
    return FirmwareFamily(session_.FirmwareVersion()) == kFamilyWithCloud;
}

}  // namespace dtu::cli
