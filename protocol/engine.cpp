#include "protocol/engine.h"

#include <algorithm>
#include <exception>

#include "lang/same_text.h"
#include "protocol/commands.h"
#include "protocol/firmware.h"
#include "protocol/reply_names.h"
#include "protocol/text_helpers.h"

namespace dtu {

namespace {

constexpr std::string_view kQueryEnd = "?\r\n";
constexpr std::string_view kSaveLine = "ATW\r\n";
// The most bits one byte takes on the line: start, 8 data, parity and 2 stop bits.
constexpr std::int64_t kMostBitsPerByte = 12;
constexpr std::int64_t kReplyBoundMargin = 4;

bool IsSetLineOf(std::string_view line, TCmd cmd) {
    const std::string_view name = CmdName(cmd);
    return line.starts_with("AT+") && line.substr(3).starts_with(name) &&
           line.substr(3 + name.size()).starts_with('=');
}

EngineNote NoteOf(NoteKind kind) {
    EngineNote note;
    note.kind = kind;
    return note;
}

EngineNote PortNote(NoteKind kind, std::string port, std::string baudRate) {
    EngineNote note = NoteOf(kind);
    note.port = std::move(port);
    note.baudRate = std::move(baudRate);
    return note;
}

}  // namespace

Engine::Engine(OrderList& orders, DevicePort& port, Timers& timers, EngineHost& host)
    : orders_(orders),
      port_(port),
      host_(host),
      replyTimer_(timers),
      pauseTimer_(timers),
      settleTimer_(timers),
      boundTimer_(timers) {}

std::chrono::milliseconds Engine::ReplyBoundFor(std::size_t answerBytes,
                                                const std::string& baudRate) {
    const std::optional<std::int64_t> baud = ParseDecimal(baudRate);
    if (!baud || *baud <= 0) {
        return kReplyBound;
    }
    const std::int64_t bytes = static_cast<std::int64_t>(std::min(answerBytes, kAnswerBound));
    const std::chrono::milliseconds onTheLine{bytes * kMostBitsPerByte * 1000 / *baud};
    return std::max(kReplyBound, kReplyBoundMargin * onTheLine);
}

std::chrono::milliseconds Engine::LineGap() const {
    return gap_ ? *gap_ : port_.FramingPause();
}

void Engine::BeginAction(std::uint8_t operation) {
    const bool outstanding = reader_.Expecting();
    if (running_) {
        EngineNote note = NoteOf(NoteKind::Interrupted);
        note.linesDone = orders_.Index();
        note.linesTotal = orders_.OrderCount();
        host_.Note(note);
        End(RunEnd::Interrupted);
    } else if (direct_) {
        End(RunEnd::Interrupted);
    }
    if (outstanding && !settleTimer_.Running()) {
        // The abandoned line's answer is still due: it must not be taken for the next one's.
        settleTimer_.Start(kSettleTime, [this] {
            DropPartialAnswer();
            Settled();
        });
    }
    waitingToStart_ = false;
    waitingDirect_.reset();
    operation_ = operation;
}

void Engine::ReadAll() {
    host_.BuildReadAll(orders_);
    StartList();
}

void Engine::WriteAll() {
    host_.BuildWriteAll(orders_);
    StartList();
}

void Engine::FactoryReset() {
    host_.ResetFormForFactory();
    orders_.ClearOrders();
    orders_.AddExecOrder("CIRELOAD");
    StartList();
}

void Engine::RestartDevice() {
    orders_.ClearOrders();
    orders_.AddExecOrder("CIRESET");
    StartList();
}

void Engine::EnterCommandMode() {
    orders_.ClearOrders();
    orders_.AddRawOrder("+++");
    orders_.AddRawOrder("a");
    StartList();
}

void Engine::StartList() {
    running_ = true;
    saveSent_ = false;
    retryIndex_ = -1;
    refused_.clear();
    unreadable_.clear();
    notRead_.clear();
    extendedModes_.clear();
    SendCurrentOrder();
}

void Engine::ExitToDataMode() {
    orders_.ClearOrders();
    SendAtCommand("ENTM");
}

void Engine::SendSms() {
    const auto [shownNumber, shownMessage] = host_.Sms();
    const std::string number = DelSpaces(shownNumber);
    const std::string message = DelCrLf(shownMessage);
    if (number.empty() || message.empty()) {
        return;
    }
    SendSet("CISMSSEND", number + ",3," + message);
}

void Engine::SendRawData(const std::string& text) {
    if (!text.empty()) {
        SendDirect(text);
    }
}

void Engine::SendAtCommand(const std::string& body) {
    SendDirect("AT+" + body + "\r\n");
}

void Engine::SendQuery(const std::string& name) {
    SendAtCommand(name + "?");
}

void Engine::SendSet(const std::string& name, const std::string& value) {
    SendAtCommand(name + "=" + value);
}

SendResult Engine::Write(const std::string& text) {
    if (text.empty()) {
        return SendResult::Sent;
    }
    const SendResult result = port_.Send(text);
    switch (result) {
        case SendResult::Sent:
            host_.Log(LogKind::Tx, text);
            lastSent_ = text;
            break;
        case SendResult::Closed:
            host_.Note(NoteOf(NoteKind::PortNotOpen));
            break;
        case SendResult::TooLong:
            host_.Note(NoteOf(NoteKind::TooLong));
            break;
        case SendResult::Lost:
            break;
    }
    return result;
}

void Engine::AwaitAnswer(const std::string& sent) {
    reader_.Expect(sent);
    replyTimer_.Start(replyTimeout_, [this] { HandleReplyTimeout(); });
    answerBytes_ = 0;
    boundWaited_ = kReplyBound;
    boundTimer_.Start(kReplyBound, [this] { HandleBoundReached(); });
}

void Engine::HandleBoundReached() {
    const std::chrono::milliseconds due = ReplyBoundFor(answerBytes_, port_.BaudRate());
    if (due > boundWaited_) {
        const std::chrono::milliseconds more = due - boundWaited_;
        boundWaited_ = due;
        boundTimer_.Start(more, [this] { HandleBoundReached(); });
        return;
    }
    HandleReplyTimeout();
}

void Engine::SendCurrentOrder() {
    if (settleTimer_.Running()) {
        waitingToStart_ = true;
        return;
    }
    const std::string line = orders_.GetOrder(orders_.Index());
    if (line.empty()) {
        Complete();
        return;
    }
    SendLine(line);
}

void Engine::SendLine(const std::string& line) {
    switch (Write(line)) {
        case SendResult::Sent:
            saveSent_ = saveSent_ || (running_ && line == kSaveLine);
            AwaitAnswer(line);
            break;
        case SendResult::TooLong:
            // Counted as refused: the device never saw it.
            refused_.push_back(line);
            if (direct_) {
                End(RunEnd::Incomplete);
            } else {
                orders_.Advance();
                NextLine(LineGap());
            }
            break;
        case SendResult::Closed:
            End(RunEnd::NotOpen);
            break;
        case SendResult::Lost:
            HandlePortLost();
            break;
    }
}

void Engine::SendDirect(const std::string& text) {
    direct_ = true;
    refused_.clear();
    unreadable_.clear();
    notRead_.clear();
    answer_.clear();
    if (settleTimer_.Running()) {
        waitingDirect_ = text;
        return;
    }
    SendLine(text);
}

void Engine::HandleReceived(const std::string& rx) {
    if (!reader_.Expecting()) {
        // Nothing is outstanding: between two lines, or after the end of a run.
        if (!rx.empty()) {
            host_.Log(LogKind::Info, rx);
        }
        return;
    }
    answerBytes_ = std::min(answerBytes_ + rx.size(), kAnswerBound);
    std::optional<Response> response = reader_.Feed(rx);
    if (!response) {
        // A slow device is slow, not silent; noise earns no more time.
        if (!rx.empty() && replyTimer_.Running() && reader_.PendingIsPlain()) {
            replyTimer_.Start(replyTimeout_, [this] { HandleReplyTimeout(); });
        }
        return;
    }
    replyTimer_.Stop();
    boundTimer_.Stop();
    if (settleTimer_.Running()) {
        // The answer to the abandoned line: shown, never taken for a new one.
        host_.Log(LogKind::Info, response->bytes);
        settleTimer_.Stop();
        Settled();
        return;
    }
    if (response->tooLong) {
        HandleTooLong(*response);
    } else if (response->refused) {
        HandleRefusal(*response);
    } else {
        HandleAccepted(*response);
    }
}

void Engine::HandleRefusal(const Response& response) {
    host_.Log(LogKind::Error, response.bytes);
    refused_.push_back(lastSent_);
    GoOnAfterFailure(response);
}

void Engine::HandleTooLong(const Response& response) {
    host_.Log(LogKind::Error, response.bytes);
    unreadable_.push_back(lastSent_);
    EngineNote note = NoteOf(NoteKind::AnswerTooLong);
    note.unreadable = {lastSent_};
    host_.Note(note);
    GoOnAfterFailure(response);
}

void Engine::GoOnAfterFailure(const Response& response) {
    if (direct_) {
        answer_ = response.bytes;
        End(RunEnd::Incomplete);
        return;
    }
    orders_.Advance();
    if (orders_.Index() >= orders_.OrderCount()) {
        Complete();
        return;
    }
    NextLine(LineGap());
}

void Engine::HandleAccepted(const Response& response) {
    const bool readable = IsReadableReply(response.bytes);
    host_.Log(readable ? LogKind::Rx : LogKind::Error, response.bytes);
    if (!readable) {
        unreadable_.push_back(lastSent_);
    }
    const std::string sent = lastSent_;
    bool reopened = false;
    if (!FollowDeviceUartChange(reopened)) {
        return;
    }
    if (readable) {
        const std::set<std::string> taken = DispatchValues(response);
        if (sent.ends_with(kQueryEnd)) {
            // Each value the form expects from this answer counts, not the answer as a whole.
            std::vector<std::string> missing = host_.NotReported(sent, taken);
            if (missing.empty() && taken.empty()) {
                missing.push_back(sent);
            }
            notRead_.insert(notRead_.end(), missing.begin(), missing.end());
        }
    }
    if (direct_) {
        answer_ = response.bytes;
        Complete();
        return;
    }
    // Counted after the parse, so lines the version reply added are included.
    const int lastIndex = orders_.OrderCount() - 1;
    if (orders_.Index() >= lastIndex) {
        Complete();
        return;
    }
    host_.ShowProgress({true, lastIndex, orders_.Index()});
    orders_.Advance();
    // After a reopen the device also gets the settling time on its new settings.
    NextLine(reopened ? LineGap() + kReopenPause : LineGap());
}

void Engine::NextLine(std::chrono::milliseconds pause) {
    pauseTimer_.Start(pause, [this] { SendCurrentOrder(); });
}

void Engine::Settled() {
    if (waitingToStart_) {
        waitingToStart_ = false;
        SendCurrentOrder();
    } else if (waitingDirect_) {
        const std::string text = std::move(*waitingDirect_);
        waitingDirect_.reset();
        SendDirect(text);
    }
}

void Engine::DropPartialAnswer() {
    if (!reader_.Pending().empty()) {
        host_.Log(LogKind::Info, reader_.Pending());
    }
    reader_.Reset();
}

void Engine::HandleReplyTimeout() {
    if (!running_ && !direct_) {
        return;
    }
    replyTimer_.Stop();
    boundTimer_.Stop();
    if (!reader_.Pending().empty()) {
        // Bytes without a final line: the device speaks, but not at these line settings.
        DropPartialAnswer();
        host_.Note(PortNote(NoteKind::Garbled, port_.Name(), port_.BaudRate()));
        End(RunEnd::Garbled);
        return;
    }
    reader_.Reset();
    const int index = orders_.Index();
    if (direct_ || retryIndex_ >= index) {
        host_.Note(PortNote(NoteKind::NoAnswer, port_.Name(), port_.BaudRate()));
        End(RunEnd::NoAnswer);
        return;
    }
    // The device may have dropped back into data mode: escape, then the line again.
    const int before = orders_.OrderCount();
    orders_.InsertEnterCfgOrders();
    retryIndex_ = index + (orders_.OrderCount() - before);
    SendCurrentOrder();
}

void Engine::HandlePortLost() {
    ClosePortAfter(PortNote(NoteKind::PortLost, port_.Name(), {}));
    if (running_ || direct_) {
        End(RunEnd::PortLost);
    }
}

void Engine::ClosePortAfter(const EngineNote& note) {
    replyTimer_.Stop();
    pauseTimer_.Stop();
    settleTimer_.Stop();
    boundTimer_.Stop();
    DropPartialAnswer();
    host_.Note(note);
    port_.Close();
    host_.PortChanged();
}

bool Engine::FollowDeviceUartChange(bool& reopened) {
    const bool formatChanged = IsSetLineOf(lastSent_, kPortFormatCmd);
    const bool speedChanged = !formatChanged && IsSetLineOf(lastSent_, kPortRateCmd);
    if (!formatChanged && !speedChanged) {
        return true;
    }
    const LineChange change = host_.DeviceUart(formatChanged);
    const OpenError reopen = port_.Reopen(change);
    if (reopen.Opened()) {
        host_.PortChanged();
        reopened = true;
        return true;
    }
    EngineNote note = NoteOf(NoteKind::ReopenFailed);
    note.change = change;
    note.reopenError = reopen;
    ClosePortAfter(note);
    if (running_ || direct_) {
        End(RunEnd::ReopenFailed, reopen);
    }
    return false;
}

std::set<std::string> Engine::DispatchValues(const Response& response) {
    const std::string command = LineCommandName(lastSent_);
    std::vector<ReplyValue> values;
    for (const std::string& line : response.lines) {
        std::optional<ReplyValue> value = ParseReplyLine(line);
        // Other lines (unsolicited notices among them) are shown, never applied.
        if (value && AnswersCommand(command, value->name)) {
            values.push_back(std::move(*value));
        }
    }
    // The work mode decides where the values before it show, socket 1's among
    // them: it is applied last, wherever the device put its line.
    std::stable_partition(values.begin(), values.end(), [](const ReplyValue& value) {
        return CmdByName(value.name) != kWorkModeCmd;
    });
    std::set<std::string> taken;
    for (const ReplyValue& value : values) {
        if (DispatchReply(value)) {
            taken.insert(ReplyKey(value));
        }
    }
    return taken;
}

bool Engine::DispatchReply(const ReplyValue& reply) {
    if (!host_.ApplyReply(reply)) {
        return false;  // a value the form cannot take is not a value read
    }
    const std::optional<TCmd> cmd = CmdByName(reply.name);
    if (cmd == kVersionCmd) {
        ApplyFirmwareFamily(FirmwareFamily(reply.value));
    } else if (cmd == kWorkModeCmd) {
        FollowDeviceWorkMode();
    }
    return true;
}

void Engine::ApplyFirmwareFamily(int family) {
    host_.EnableFamilyControls(family != 1);
    if (family != 2 || !running_) {
        return;
    }
    if (operation_ == kReadAllOperation) {
        host_.AppendFamilyQueries(orders_);
        extendedModes_.insert(host_.WorkMode());
    } else if (operation_ == kWriteAllOperation) {
        host_.InsertFamilySetLines(orders_);
    }
}

void Engine::FollowDeviceWorkMode() {
    // The queries were chosen by the form's mode before the device told its own.
    if (!running_ || operation_ != kReadAllOperation || extendedModes_.empty()) {
        return;
    }
    if (extendedModes_.insert(host_.WorkMode()).second) {
        host_.AppendFamilyQueries(orders_);
    }
}

void Engine::Complete() {
    if (refused_.empty() && unreadable_.empty() && notRead_.empty()) {
        if (!direct_) {
            host_.ShowProgress({false, orders_.OrderCount() - 1, orders_.Index()});
        }
        EngineNote success = NoteOf(NoteKind::Success);
        success.operation = operation_;
        host_.Note(success);
        End(RunEnd::Success);
        return;
    }
    EngineNote note = NoteOf(NoteKind::Incomplete);
    note.refused = refused_;
    note.unreadable = unreadable_;
    note.notRead = notRead_;
    host_.Note(note);
    End(RunEnd::Incomplete);
}

void Engine::End(RunEnd end, OpenError reopenError) {
    replyTimer_.Stop();
    pauseTimer_.Stop();
    boundTimer_.Stop();
    RunOutcome outcome;
    outcome.operation = operation_;
    outcome.direct = direct_;
    outcome.end = end;
    if (direct_) {
        outcome.linesTotal = 1;
        outcome.linesDone = end == RunEnd::Success || end == RunEnd::Incomplete ? 1 : 0;
    } else {
        outcome.linesTotal = orders_.OrderCount();
        outcome.linesDone = end == RunEnd::Success ? outcome.linesTotal : orders_.Index();
    }
    outcome.refused = std::move(refused_);
    outcome.unreadable = std::move(unreadable_);
    outcome.notRead = std::move(notRead_);
    outcome.answer = std::move(answer_);
    outcome.reopenError = std::move(reopenError);
    refused_.clear();
    unreadable_.clear();
    notRead_.clear();
    answer_.clear();
    const bool wasList = running_;
    running_ = false;
    direct_ = false;
    if (wasList && outcome.operation == kWriteAllOperation && !saveSent_) {
        // What the device took lives only until its next restart.
        host_.Note(NoteOf(NoteKind::NotSaved));
    }
    if (wasList && end != RunEnd::Success) {
        host_.ShowProgress({});
    }
    host_.RunFinished(outcome);
}

}  // namespace dtu
