#include "protocol/engine.h"

#include <climits>
#include <exception>

#include "lang/lang_list.h"
#include "protocol/commands.h"
#include "protocol/firmware.h"
#include "protocol/reply_classifier.h"
#include "protocol/run_texts.h"
#include "protocol/sequences.h"
#include "protocol/text_helpers.h"

namespace dtu {

namespace {

constexpr std::string_view kIcfSetPrefix = "AT+ICF=";
constexpr std::string_view kCiprSetPrefix = "AT+CIPR=";
constexpr const char* kPortNotOpenKey = "lang_Info_ComIsOpen";
constexpr const char* kTooLongKey = "lang_Info_TooLong";

const char* SuccessTextKey(std::uint8_t operation) {
    switch (operation) {
        case kReadAllOperation:
            return "lang_Info_ReadSuccess";
        case kWriteAllOperation:
            return "lang_Info_SetSuccess";
        default:
            return "lang_Info_DoSuccess";
    }
}

}  // namespace

Engine::Engine(OrderList& orders, DevicePort& port, Timers& timers, EngineHost& host)
    : orders_(orders),
      port_(port),
      host_(host),
      replyTimer_(timers),
      pauseTimer_(timers),
      settleTimer_(timers) {}

void Engine::BeginAction() {
    if (running_) {
        const bool outstanding = replyTimer_.Running();
        host_.Log(LogKind::Error, InterruptedText(orders_.OrderIndex, orders_.OrderCount()));
        End(RunEnd::Interrupted);
        if (outstanding) {
            settleTimer_.Start(kSettleTime, [this] { Settled(); });
        }
    }
    waitingToStart_ = false;
    CurrentOperation = kOtherOperation;
}

void Engine::ReadAll() {
    BuildReadAllOrders(orders_);
    StartList();
}

void Engine::WriteAll() {
    BuildWriteAllOrders(host_.ReadForm(), orders_);
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
    retryIndex_ = -1;
    refused_.clear();
    unreadable_.clear();
    extendedModes_.clear();
    SendCurrentOrder();
}

void Engine::ExitToDataMode() {
    orders_.ClearOrders();
    SendAtCommand("ENTM");
}

void Engine::SendSms() {
    const FormValues form = host_.ReadForm();
    const std::string number = DelSpaces(form.edt_Sms_TelNo);
    const std::string message = DelCrLf(form.mmo_Sms_Msg);
    if (number.empty() || message.empty()) {
        return;
    }
    SendSet("CISMSSEND", number + ",3," + message);
}

void Engine::SendRawData(const std::string& text) {
    if (Write(text) == SendResult::Lost) {
        HandlePortLost();
    }
}

void Engine::SendAtCommand(const std::string& body) {
    SendRawData("AT+" + body + "\r\n");
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
            host_.Log(LogKind::Error, LangText(kPortNotOpenKey));
            break;
        case SendResult::TooLong:
            host_.Log(LogKind::Error, LangText(kTooLongKey));
            break;
        case SendResult::Lost:
            break;
    }
    return result;
}

void Engine::SendCurrentOrder() {
    if (settleTimer_.Running()) {
        waitingToStart_ = true;
        return;
    }
    const std::string line = orders_.GetOrder(orders_.OrderIndex);
    if (line.empty()) {
        Complete();
        return;
    }
    switch (Write(line)) {
        case SendResult::Sent:
            if (!replyTimer_.Running()) {
                replyTimer_.Start(replyTimeout_, [this] { HandleReplyTimeout(); });
            }
            break;
        case SendResult::TooLong:
            // Counted as refused: the device never saw it.
            refused_.push_back(CurrentLineName());
            ++orders_.OrderIndex;
            pauseTimer_.Start(kLinePause, [this] { SendCurrentOrder(); });
            break;
        case SendResult::Closed:
            End(RunEnd::NotOpen);
            break;
        case SendResult::Lost:
            HandlePortLost();
            break;
    }
}

void Engine::HandleReceived(const std::string& rx) {
    const ReplyKind kind = ClassifyReply(rx);
    if (settleTimer_.Running()) {
        // The answer to the abandoned line: shown, never taken for a new one.
        host_.Log(LogKind::Info, rx);
        if (kind != ReplyKind::Other) {
            settleTimer_.Stop();
            Settled();
        }
        return;
    }
    // Between two lines nothing is outstanding; so is any block that is not final.
    if (pauseTimer_.Running() || kind == ReplyKind::Other) {
        host_.Log(LogKind::Info, rx);
        return;
    }
    replyTimer_.Stop();
    if (kind == ReplyKind::Error) {
        HandleError(rx);
    } else {
        HandleSuccess(rx);
    }
}

void Engine::HandleError(const std::string& rx) {
    host_.Log(LogKind::Error, rx);
    if (!running_) {
        return;
    }
    refused_.push_back(CurrentLineName());
    if (orders_.OrderIndex < INT32_MAX) {
        ++orders_.OrderIndex;
    }
    if (orders_.OrderIndex >= orders_.OrderCount()) {
        Complete();
        return;
    }
    pauseTimer_.Start(kLinePause, [this] { SendCurrentOrder(); });
}

void Engine::HandleSuccess(const std::string& rx) {
    const bool echo = rx == lastSent_;
    const bool readable = echo || IsReadableReply(rx);
    host_.Log(readable ? LogKind::Rx : LogKind::Error, rx);
    if (!readable && running_) {
        unreadable_.push_back(CurrentLineName());
    }
    bool reopened = false;
    if (!echo) {
        if (!FollowDeviceUartChange(reopened)) {
            return;
        }
        if (readable) {
            DispatchValues(rx);
        }
    }
    if (!running_) {
        if (readable) {
            host_.Log(LogKind::Info, LangText(SuccessTextKey(CurrentOperation)));
        }
        return;
    }
    // Counted after the parse, so lines the version reply added are included.
    const int lastIndex = orders_.OrderCount() - 1;
    if (orders_.OrderIndex >= lastIndex) {
        Complete();
        return;
    }
    host_.ShowProgress({true, lastIndex, orders_.OrderIndex});
    ++orders_.OrderIndex;
    NextLine(reopened ? kReopenPause : kLinePause);
}

void Engine::NextLine(std::chrono::milliseconds pause) {
    pauseTimer_.Start(pause, [this] { SendCurrentOrder(); });
}

void Engine::Settled() {
    if (waitingToStart_) {
        waitingToStart_ = false;
        SendCurrentOrder();
    }
}

void Engine::HandleReplyTimeout() {
    if (!running_) {
        return;
    }
    const int index = orders_.OrderIndex;
    if (retryIndex_ >= index) {
        host_.Log(LogKind::Error, NoAnswerText(port_.Name(), port_.BaudRate()));
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
    ClosePortAfter(PortLostText(port_.Name()));
    if (running_) {
        End(RunEnd::PortLost);
    }
}

void Engine::ClosePortAfter(const std::string& errorText) {
    replyTimer_.Stop();
    pauseTimer_.Stop();
    settleTimer_.Stop();
    host_.Log(LogKind::Error, errorText);
    port_.Close();
    host_.PortChanged();
}

bool Engine::FollowDeviceUartChange(bool& reopened) {
    const bool formatChanged = lastSent_.starts_with(kIcfSetPrefix);
    const bool speedChanged = !formatChanged && lastSent_.starts_with(kCiprSetPrefix);
    if (!formatChanged && !speedChanged) {
        return true;
    }
    const FormValues form = host_.ReadForm();
    LineChange change;
    if (formatChanged) {
        change.parity = form.cbb_Com_ParityText;
        change.dataBits = form.cbb_Com_ByteText;
        change.stopBits = form.cbb_Com_StopText;
    } else {
        change.baudRate = form.cbb_Com_BaudRate;
    }
    const OpenResult reopen = port_.Reopen(change);
    if (reopen.ok) {
        host_.PortChanged();
        reopened = true;
        return true;
    }
    ClosePortAfter(ReopenFailedText(change, reopen.reason));
    if (running_) {
        End(RunEnd::ReopenFailed, reopen.reason);
    }
    return false;
}

void Engine::DispatchValues(const std::string& rx) {
    for (const ReplyValue& reply : ParseReplyValues(rx)) {
        DispatchReply(reply);
    }
}

void Engine::DispatchReply(const ReplyValue& reply) {
    try {
        host_.ApplyReply(reply);
    } catch (const std::exception&) {
        return;  // a value the form cannot take is dropped; the list goes on
    }
    const std::optional<TCmd> cmd = CmdByName(reply.name);
    if (cmd == TCmd::CIVER) {
        ApplyFirmwareFamily(FirmwareFamily(reply.value));
    } else if (cmd == TCmd::CIMOD) {
        FollowDeviceWorkMode();
    }
}

void Engine::ApplyFirmwareFamily(int family) {
    host_.EnableFamilyControls(family != 1);
    if (family != 2 || !running_) {
        return;
    }
    const FormValues form = host_.ReadForm();
    if (CurrentOperation == kReadAllOperation) {
        AppendFamilyQueries(form, orders_);
        extendedModes_.insert(form.cbb_WorkMode);
    } else if (CurrentOperation == kWriteAllOperation) {
        InsertFamilySetLines(form, orders_);
    }
}

void Engine::FollowDeviceWorkMode() {
    // The queries were chosen by the form's mode before the device told its own.
    if (!running_ || CurrentOperation != kReadAllOperation || extendedModes_.empty()) {
        return;
    }
    const FormValues form = host_.ReadForm();
    if (extendedModes_.insert(form.cbb_WorkMode).second) {
        AppendFamilyQueries(form, orders_);
    }
}

void Engine::Complete() {
    if (refused_.empty() && unreadable_.empty()) {
        host_.ShowProgress({false, orders_.OrderCount() - 1, orders_.OrderIndex});
        host_.Log(LogKind::Info, LangText(SuccessTextKey(CurrentOperation)));
        End(RunEnd::Success);
        return;
    }
    host_.Log(LogKind::Error, IncompleteText(refused_, unreadable_));
    End(RunEnd::Incomplete);
}

void Engine::End(RunEnd end, std::string reason) {
    replyTimer_.Stop();
    pauseTimer_.Stop();
    running_ = false;
    RunOutcome outcome;
    outcome.operation = CurrentOperation;
    outcome.end = end;
    outcome.linesTotal = orders_.OrderCount();
    outcome.linesDone = end == RunEnd::Success ? outcome.linesTotal : orders_.OrderIndex;
    outcome.refused = std::move(refused_);
    outcome.unreadable = std::move(unreadable_);
    outcome.reason = std::move(reason);
    refused_.clear();
    unreadable_.clear();
    if (end != RunEnd::Success) {
        host_.ShowProgress({});
    }
    host_.RunFinished(outcome);
}

std::string Engine::CurrentLineName() const {
    return LineCommandName(orders_.GetOrder(orders_.OrderIndex));
}

}  // namespace dtu
