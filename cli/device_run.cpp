#include "cli/device_run.h"

#include "cli/port_info.h"
#include "cli/progress_board.h"
#include "form/device_map.h"
#include "form/form_profile.h"
#include "protocol/firmware.h"
#include "protocol/order_list.h"
#include "render/note_text.h"

namespace dtu::cli {

namespace {

struct ActionRow {
    Action action;
    const char* stage;
};

constexpr ActionRow kActions[] = {
    {Action::Read, "read"},       {Action::Write, "write"},     {Action::Reset, "reset"},
    {Action::Restart, "restart"}, {Action::Version, "version"}, {Action::Send, "send"},
    {Action::Diff, "diff"},
};

constexpr int kFamilyWithCloud = 2;

// A line of a read by its command and, for a socket or packet, its number: "NAME=1".
std::string ReadLineName(std::string_view line) {
    std::string name = LineCommandName(line);
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
        name += line.substr(equals, line.find_first_of(",\r\n", equals) - equals);
    }
    return name;
}

std::string LineText(const PortTexts& settings) {
    return settings.baudRate + "," + settings.parity + "," + settings.dataBits + "," +
           settings.stopBits;
}

}  // namespace

DeviceRun::DeviceRun(EventLoop& loop, std::string port, const RunPlan& plan, const TLangList& texts)
    : loop_(loop),
      plan_(plan),
      texts_(texts),
      session_(loop, loop),
      started_(std::chrono::steady_clock::now()) {
    result_.port = std::move(port);
    session_.SetListener(this);
}

DeviceRun::~DeviceRun() {
    session_.SetListener(nullptr);
}

void DeviceRun::BeginOpen(const PortTexts& line, std::function<void(const OpenError&)> done) {
    PortTexts texts = line;
    texts.port = result_.port;
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
    session_.SetLineGap(plan_.gap);
    switch (plan_.action) {
        case Action::Read:
            session_.ReadAll();
            break;
        case Action::Write:
            if (plan_.profile.Item(Field::WorkMode) == kDataTransmissionMode &&
                plan_.profile.View() == kCompactView) {
                phase_ = Phase::Surveying;
                result_.stage = StageName();
                session_.Form() = FormModel();
                session_.ReadAll();
            } else if (plan_.dryRun) {
                phase_ = Phase::AskingVersion;
                session_.Form() = plan_.profile;
                session_.QueryVersion();
            } else {
                StartWrite();
            }
            break;
        case Action::Diff:
            StartDiff();
            break;
        case Action::Reset:
            session_.FactoryReset();
            break;
        case Action::Restart:
            session_.RestartDevice();
            break;
        case Action::Version:
            phase_ = Phase::AwaitingAnswer;
            session_.QueryVersion();
            break;
        case Action::Send:
            phase_ = Phase::AwaitingAnswer;
            session_.SendRaw(plan_.text);
            break;
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
}

void DeviceRun::OnNote(const EngineNote& note) {
    if (note.kind == NoteKind::AnswerTooLong) {
        tooLong_.insert(note.unreadable.begin(), note.unreadable.end());
    }
    if (onLog) {
        onLog(NoteLogKind(note), NoteText(note, texts_));
    }
}

void DeviceRun::OnProgress(const Progress& progress) {
    if (onStatus && progress.visible) {
        onStatus(ProgressText(progress, StageName()));
    }
}

void DeviceRun::OnRunFinished(const RunOutcome& outcome) {
    if (phase_ == Phase::AwaitingAnswer) {
        if (plan_.action == Action::Send || outcome.end != RunEnd::Success) {
            result_.answer = outcome.answer;
        }
        Take(outcome);
        const bool refused = outcome.end == RunEnd::Incomplete && !outcome.refused.empty();
        Finish(refused ? Verdict::Refused : VerdictOf(outcome.end));
        return;
    }
    if (phase_ == Phase::Surveying || phase_ == Phase::AskingVersion) {
        // A device that does not answer the read would not take the write either.
        const bool answered = outcome.end == RunEnd::Success ||
                              (phase_ == Phase::Surveying && outcome.end == RunEnd::Incomplete);
        if (!answered) {
            Take(outcome);
            Finish(VerdictOf(outcome.end));
            return;
        }
        loop_.Post([this] { StartWrite(); });
        return;
    }
    if (phase_ != Phase::Running && phase_ != Phase::Verifying) {
        return;
    }
    if (plan_.action == Action::Diff) {
        FinishDiff(outcome);
        return;
    }
    Take(outcome);
    // A read back that missed values still compares: those fields read back as nothing.
    const bool comparable = phase_ == Phase::Verifying && outcome.end == RunEnd::Incomplete;
    if (outcome.end != RunEnd::Success && !comparable) {
        Finish(VerdictOf(outcome.end));
        return;
    }
    if (phase_ == Phase::Running && plan_.action == Action::Write && plan_.verify) {
        // Started from the loop, once the engine is out of the run that just ended.
        loop_.Post([this] { StartVerify(); });
        return;
    }
    if (phase_ == Phase::Verifying) {
        result_.mismatches =
            CompareWritten(plan_.profile, session_.Form(), session_.Reported(), FamilyTwo());
        Finish(result_.mismatches.empty() ? VerdictOf(outcome.end) : Verdict::Mismatch);
        return;
    }
    Finish(Verdict::Success);
}

void DeviceRun::Take(const RunOutcome& outcome) {
    // The keys a refused set line carried; the queries of the read back carry none.
    const bool writing = plan_.action == Action::Write && phase_ == Phase::Running;
    // A direct send's refusal is its answer.
    const bool direct = phase_ == Phase::AwaitingAnswer;
    for (const std::string& line : direct ? std::vector<std::string>() : outcome.refused) {
        result_.refused.push_back(
            {LineCommandName(line),
             writing ? KeysSentBy(line, plan_.profile, FamilyTwo()) : std::vector<std::string>()});
    }
    for (const std::string& line : outcome.unreadable) {
        result_.unreadable.push_back(LineCommandName(line) +
                                     (tooLong_.contains(line) ? ": answer too long" : ""));
    }
    for (const std::string& line : outcome.notRead) {
        result_.notRead.push_back(ReadLineName(line));
    }
    if (!writing && !direct) {
        for (const auto* lines : {&outcome.refused, &outcome.unreadable, &outcome.notRead}) {
            for (const std::string& line : *lines) {
                const std::vector<Field> fields = FieldsNamedBy(line);
                notReadFields_.insert(fields.begin(), fields.end());
            }
        }
    }
    if (!outcome.reopenError.Opened()) {
        result_.reason = ExplainOpenFailure(outcome.reopenError);
    }
}

void DeviceRun::StartWrite() {
    if (done_) {
        return;
    }
    phase_ = Phase::Running;
    result_.stage = StageName();
    session_.Form() = plan_.profile;
    for (const HiddenChange& change : session_.HiddenChangesOfWrite()) {
        result_.hiddenChanges.push_back({ProfileKeyName(change.field), change.written,
                                         change.device, false, JsonTypeOf(change.field)});
    }
    if (plan_.dryRun) {
        dryRunLines_ = session_.WriteAllLines();
        Finish(Verdict::Success);
        return;
    }
    if (!session_.WriteAll().empty()) {
        // The profile check refuses such values before any port opens.
        result_.reason = "values the device cannot take; nothing was sent";
        Finish(Verdict::NotStarted);
    }
}

void DeviceRun::StartDiff() {
    // A fresh form in the profile's work mode: the read asks for that mode's
    // values as well as for the device's own.
    FormModel scratch;
    scratch.SetItem(Field::WorkMode, plan_.profile.Item(Field::WorkMode));
    session_.Form() = std::move(scratch);
    session_.ReadAll();
}

void DeviceRun::FinishDiff(const RunOutcome& outcome) {
    Take(outcome);
    // A read that missed values still compares: the profile's fields among them are not read.
    if (outcome.end != RunEnd::Success && outcome.end != RunEnd::Incomplete) {
        Finish(VerdictOf(outcome.end));
        return;
    }
    differences_ =
        CompareWithDevice(plan_.profile, session_.Form(), session_.Reported(), FamilyTwo());
    Finish(differences_.empty() ? Verdict::Success : Verdict::Differs);
}

void DeviceRun::StartVerify() {
    if (done_) {
        return;
    }
    phase_ = Phase::Verifying;
    result_.stage = StageName();
    // A fresh form: what the comparison sees was sent by the device, never left from the write.
    session_.Form() = FormModel();
    session_.ReadAll();
}

void DeviceRun::Finish(Verdict verdict) {
    if (done_) {
        return;
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
    if (phase_ == Phase::Surveying) {
        return "read before write";
    }
    if (phase_ == Phase::AskingVersion) {
        return "version before write";
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
