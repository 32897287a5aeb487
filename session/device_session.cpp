#include "session/device_session.h"

#include "form/factory_reset.h"
#include "form/reply_apply.h"
#include "form/write_lines.h"
#include "protocol/commands.h"
#include "protocol/firmware.h"
#include "protocol/reply_names.h"
#include "serial/port_identity.h"
#include "session/find_order.h"

namespace dtu {

DeviceSession::DeviceSession(EventPoster& poster, Timers& timers)
    : comm_(poster),
      net_(poster),
      control_(comm_, &net_),
      port_(control_),
      engine_(orders_, port_, timers, *this),
      finder_(port_, timers) {
    // Answers end at their final line; only the escape's bare answers need the line to fall quiet.
    comm_.SetDeliverAtLineEnd(true);
    comm_.OnReceiveData = [this](const char* buffer, std::uint16_t length) {
        Received(std::string(buffer, length));
    };
    comm_.OnRequestHangup = [this] {
        if (!control_.PortIsOpen()) {
            return;
        }
        if (finder_.Running()) {
            finder_.HandlePortLost();
        } else {
            engine_.HandlePortLost();
        }
    };
    net_.OnReceiveData = [this](const std::string& block) { Received(block); };
    net_.OnRequestHangup = comm_.OnRequestHangup;
}

DeviceSession::~DeviceSession() {
    comm_.OnReceiveData = nullptr;
    comm_.OnRequestHangup = nullptr;
    net_.OnReceiveData = nullptr;
    net_.OnRequestHangup = nullptr;
    control_.ClosePort();
}

OpenError DeviceSession::OpenPort(const PortTexts& texts) {
    BeginAction();
    control_.settings = texts;
    OpenError result = control_.OpenPort();
    ShowPortStatus();
    return result;
}

void DeviceSession::BeginOpenPort(const PortTexts& texts,
                                  std::function<void(const OpenError&)> done) {
    BeginAction();
    control_.settings = texts;
    control_.BeginOpenPort([this, done = std::move(done)](const OpenError& result) {
        ShowPortStatus();
        done(result);
    });
}

void DeviceSession::ClosePort() {
    BeginAction();
    lastRead_.reset();
    control_.ClosePort();
    ShowPortStatus();
}

void DeviceSession::ReopenWithSavedSettings() {
    ClosePort();
    // The window shows only the port's status, which the open brings up to date.
    BeginOpenPort(keptForReopen_, [](const OpenError&) {});
}

PortTexts DeviceSession::StoredPortSettings() const {
    PortTexts stored = control_.settings;
    stored.port = StablePortName(stored.port);
    return stored;
}

void DeviceSession::BeginAction(std::uint8_t operation) {
    CancelFind();
    // A scratch read in progress ends here, as interrupted, and lets its target go.
    engine_.BeginAction(operation);
    replyTarget_ = &form_;
    scratchDone_ = nullptr;
}

void DeviceSession::Received(const std::string& block) {
    if (!receiveHook_) {
        DeliverReceived(block);
        return;
    }
    receiveHook_(block, [this, &block] { DeliverReceived(block); });
}

void DeviceSession::DeliverReceived(const std::string& block) {
    if (finder_.Running()) {
        finder_.HandleReceived(block);
    } else {
        engine_.HandleReceived(block);
    }
}

void DeviceSession::BeginFind(const PortTexts& start, DeviceFinder::TryStarted started,
                              DeviceFinder::Finished finished) {
    BeginAction();
    lastRead_.reset();
    control_.settings = start;
    findOpening_ = std::move(finished);
    control_.BeginOpenPort([this, start, started = std::move(started)](const OpenError& open) {
        FindOpened(open, start, started);
    });
}

void DeviceSession::FindOpened(const OpenError& open, const PortTexts& start,
                               DeviceFinder::TryStarted started) {
    DeviceFinder::Finished finished = std::move(findOpening_);
    findOpening_ = nullptr;
    if (!open.Opened()) {
        ShowPortStatus();
        FindOutcome outcome;
        outcome.end = FindEnd::PortFailed;
        outcome.portError = open;
        finished(outcome);
        return;
    }
    std::vector<FindTry> tries =
        control_.LineSetByServer() ? FindOrderAsLineIs(start) : FindOrder(start);
    finder_.Start(std::move(tries), std::move(started),
                  [this, finished = std::move(finished)](const FindOutcome& outcome) {
                      if (outcome.end != FindEnd::Found) {
                          control_.ClosePort();
                      }
                      ShowPortStatus();
                      finished(outcome);
                  });
}

void DeviceSession::CancelFind() {
    if (findOpening_) {
        // Gives the connect up; its callback then never comes.
        control_.ClosePort();
        DeviceFinder::Finished finished = std::move(findOpening_);
        findOpening_ = nullptr;
        ShowPortStatus();
        FindOutcome outcome;
        outcome.end = FindEnd::Cancelled;
        finished(outcome);
        return;
    }
    finder_.Cancel();
}

void DeviceSession::ReadAll() {
    BeginAction(kReadAllOperation);
    reported_.clear();
    engine_.ReadAll();
}

void DeviceSession::ReadAllInto(FormModel& scratch, std::function<void(const RunOutcome&)> done) {
    BeginAction(kReadAllOperation);
    reported_.clear();
    replyTarget_ = &scratch;
    scratchDone_ = std::move(done);
    engine_.ReadAll();
}

std::vector<ValueProblem> DeviceSession::WriteAll() {
    std::vector<ValueProblem> problems = CheckBeforeWrite(form_);
    if (!problems.empty()) {
        return problems;
    }
    BeginAction(kWriteAllOperation);
    lastRead_.reset();
    engine_.WriteAll();
    return problems;
}

std::vector<HiddenChange> DeviceSession::HiddenChangesOfWrite() const {
    if (!lastRead_) {
        return {};
    }
    return HiddenChanges(form_, *lastRead_, reported_, FirmwareFamily(firmware_) == 2);
}

std::vector<FieldDifference> DeviceSession::DifferencesOfWrite() const {
    if (!lastRead_) {
        return {};
    }
    return CompareWithDevice(form_, *lastRead_, reported_, FirmwareFamily(firmware_) == 2);
}

std::vector<std::string> DeviceSession::WriteAllLines() const {
    // As the engine builds them: the list first, the family's lines once the version is known.
    OrderList orders;
    BuildWriteAll(orders);
    if (FirmwareFamily(firmware_) == 2) {
        InsertFamilySetLines(orders);
    }
    std::vector<std::string> lines = orders.Lines();
    lines.erase(lines.begin());  // the version query
    return lines;
}

void DeviceSession::FactoryReset() {
    BeginAction();
    engine_.FactoryReset();
}

void DeviceSession::RestartDevice() {
    BeginAction();
    engine_.RestartDevice();
}

void DeviceSession::EnterCommandMode() {
    BeginAction();
    engine_.EnterCommandMode();
}

void DeviceSession::ExitToDataMode() {
    BeginAction();
    engine_.ExitToDataMode();
}

void DeviceSession::QueryVersion() {
    BeginAction();
    engine_.SendQuery(std::string(CmdName(kVersionCmd)));
}

void DeviceSession::SendRaw(const std::string& text) {
    BeginAction();
    engine_.SendRawData(text);
}

std::vector<ValueProblem> DeviceSession::SendSms() {
    std::vector<ValueProblem> problems = CheckSms(form_);
    if (!problems.empty()) {
        return problems;
    }
    BeginAction();
    engine_.SendSms();
    return problems;
}

void DeviceSession::Log(LogKind kind, const std::string& text) {
    if (listener_ != nullptr) {
        listener_->OnLog(kind, text);
    }
}

void DeviceSession::Note(const EngineNote& note) {
    if (listener_ != nullptr) {
        listener_->OnNote(note);
    }
}

void DeviceSession::ShowProgress(const Progress& progress) {
    if (listener_ != nullptr) {
        listener_->OnProgress(progress);
    }
}

void DeviceSession::BuildReadAll(OrderList& orders) const {
    BuildReadAllOrders(orders);
}

void DeviceSession::BuildWriteAll(OrderList& orders) const {
    BuildWriteAllOrders(form_, orders);
}

void DeviceSession::AppendFamilyQueries(OrderList& orders) const {
    dtu::AppendFamilyQueries(*replyTarget_, orders);
}

void DeviceSession::InsertFamilySetLines(OrderList& orders) const {
    dtu::InsertFamilySetLines(form_, orders);
}

int DeviceSession::WorkMode() const {
    return replyTarget_->Item(Field::WorkMode);
}

LineChange DeviceSession::DeviceUart(bool format) const {
    LineChange change;
    if (format) {
        change.parity = form_.ItemText(Field::Parity);
        change.dataBits = form_.ItemText(Field::DataBits);
        change.stopBits = form_.ItemText(Field::StopBits);
    } else {
        change.baudRate = form_.ItemText(Field::BaudRate);
    }
    return change;
}

std::pair<std::string, std::string> DeviceSession::Sms() const {
    return {form_.Text(Field::SmsPhone), form_.Text(Field::SmsMessage)};
}

bool DeviceSession::ApplyReply(const ReplyValue& reply) {
    if (CmdByName(reply.name) == kVersionCmd) {
        firmware_ = reply.value;
    }
    if (!dtu::ApplyReply(*replyTarget_, reply)) {
        return false;
    }
    reported_.insert(ReplyKey(reply));
    return true;
}

std::vector<std::string> DeviceSession::NotReported(const std::string& sent,
                                                    const std::set<std::string>& taken) const {
    return LinesNotReported(sent, taken);
}

void DeviceSession::EnableFamilyControls(bool enable) {
    replyTarget_->EnableFamilyControls(enable);
}

void DeviceSession::ResetFormForFactory() {
    ResetForFactory(form_);
}

void DeviceSession::PortChanged() {
    ShowPortStatus();
}

void DeviceSession::RunFinished(const RunOutcome& outcome) {
    if (outcome.operation == kReadAllOperation && !outcome.direct) {
        lastRead_ = *replyTarget_;
        lastRead_->onChanged = nullptr;
        lastRead_->onStateChanged = nullptr;
    }
    replyTarget_ = &form_;
    const std::function<void(const RunOutcome&)> done = std::exchange(scratchDone_, nullptr);
    if (listener_ != nullptr) {
        listener_->OnRunFinished(outcome);
    }
    if (done) {
        done(outcome);
    }
}

void DeviceSession::ShowPortStatus() {
    if (listener_ == nullptr) {
        return;
    }
    listener_->OnPortStatus({control_.PortIsOpen(), control_.LineSetByServer(), control_.settings});
}

}  // namespace dtu
