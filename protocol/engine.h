#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "protocol/device_port.h"
#include "protocol/engine_host.h"
#include "protocol/order_list.h"
#include "protocol/reply_reader.h"
#include "protocol/run_outcome.h"
#include "protocol/timers.h"

namespace dtu {

// Runs the command list over the port one line per answer, parses the answers,
// recovers a silent device and ends every run, and every direct send, with one
// verdict. Everything runs on the thread that owns the port, the timers and the host.
class Engine {
public:
    // Silence after a line, or between two receives of its answer, that ends the wait.
    static constexpr std::chrono::milliseconds kReplyTimeout{5000};
    // However slowly a device keeps sending, a line's answer has ended by then,
    // or, while more of it keeps coming, by four times the time its bytes take
    // on the line, so that a long answer on a slow line is not cut short.
    static constexpr std::chrono::milliseconds kReplyBound{30000};
    static std::chrono::milliseconds ReplyBoundFor(std::size_t answerBytes,
                                                   const std::string& baudRate);
    // Lets the device settle on its new line settings before the next line.
    static constexpr std::chrono::milliseconds kReopenPause{200};
    // How long a new list waits for the answer to a line the run it replaced
    // left outstanding, so that answer is not taken for its own first line's.
    static constexpr std::chrono::milliseconds kSettleTime{1000};

    Engine(OrderList& orders, DevicePort& port, Timers& timers, EngineHost& host);

    // Every action starts here, naming what it is: a running list ends with
    // the interrupted verdict. Nothing resets the operation when a run ends.
    void BeginAction(std::uint8_t operation = kOtherOperation);
    std::uint8_t Operation() const { return operation_; }
    bool Running() const { return running_; }

    // The list operations.
    void ReadAll();
    void WriteAll();
    void FactoryReset();  // after the user confirmed
    void RestartDevice();
    void EnterCommandMode();
    // Runs the list as it stands, from the list's current line.
    void StartList();

    // Direct sends: one line outside any list, waited for like a list line,
    // never recovered.
    void ExitToDataMode();
    void SendSms();
    void SendRawData(const std::string& text);
    void SendAtCommand(const std::string& body);
    void SendQuery(const std::string& name);
    void SendSet(const std::string& name, const std::string& value);

    // The bytes of one receive; an answer may take several.
    void HandleReceived(const std::string& rx);
    // The port's hang-up notice.
    void HandlePortLost();
    // One reply value into the form; the version reply also applies the
    // firmware family, which may extend the running list.
    // False when the form could not take the value.
    bool DispatchReply(const ReplyValue& reply);

    void SetReplyTimeout(std::chrono::milliseconds timeout) { replyTimeout_ = timeout; }
    // The pause between a final line and the next line sent; without one set,
    // the port's framing pause.
    void SetLineGap(std::optional<std::chrono::milliseconds> gap) { gap_ = gap; }
    std::chrono::milliseconds LineGap() const;
    const std::string& LastSent() const { return lastSent_; }

private:
    SendResult Write(const std::string& text);
    void SendCurrentOrder();
    void SendDirect(const std::string& text);
    // Writes a list line or a direct send and waits for its answer.
    void SendLine(const std::string& line);
    void AwaitAnswer(const std::string& sent);
    void HandleReplyTimeout();
    void HandleRefusal(const Response& response);
    void HandleAccepted(const Response& response);
    void NextLine(std::chrono::milliseconds pause);
    // False when the port could not follow the device and the run ended.
    bool FollowDeviceUartChange(bool& reopened);
    // The reply keys of the values of the line's own command the answer carried.
    std::set<std::string> DispatchValues(const Response& response);
    void HandleTooLong(const Response& response);
    // The bound timer fired: more time when the answer's bytes earn it, else the end.
    void HandleBoundReached();
    // A line that failed: a direct send ends, a list goes on with its next line.
    void GoOnAfterFailure(const Response& response);
    void ApplyFirmwareFamily(int family);
    void FollowDeviceWorkMode();
    // Shows what arrived for a line that will never get its final line.
    void DropPartialAnswer();

    void Settled();
    void Complete();
    void End(RunEnd end, OpenError reopenError = {});
    void ClosePortAfter(const EngineNote& note);

    OrderList& orders_;
    DevicePort& port_;
    EngineHost& host_;
    TimerSlot replyTimer_;
    TimerSlot pauseTimer_;
    TimerSlot settleTimer_;
    TimerSlot boundTimer_;
    // The answer's bytes so far (counted up to the answer bound) and how long
    // the bound timer has let it take.
    std::size_t answerBytes_ = 0;
    std::chrono::milliseconds boundWaited_{0};
    std::chrono::milliseconds replyTimeout_ = kReplyTimeout;
    std::optional<std::chrono::milliseconds> gap_;
    std::string lastSent_;
    ReplyReader reader_;

    std::uint8_t operation_ = kOtherOperation;
    bool running_ = false;
    bool direct_ = false;
    bool saveSent_ = false;  // this run sent ATW
    bool waitingToStart_ = false;
    // A direct send made while the answer to an abandoned line was still due.
    std::optional<std::string> waitingDirect_;
    // The line sent again after the recovery; a second silence there ends the run.
    int retryIndex_ = -1;
    std::vector<std::string> refused_;
    std::vector<std::string> unreadable_;
    std::vector<std::string> notRead_;
    std::string answer_;
    // Work modes whose firmware-family queries this read all has appended.
    std::set<int> extendedModes_;
};

}  // namespace dtu
