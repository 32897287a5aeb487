#pragma once

#include <chrono>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "protocol/device_port.h"
#include "protocol/engine_host.h"
#include "protocol/order_list.h"
#include "protocol/run_outcome.h"
#include "protocol/timers.h"

namespace dtu {

// Runs the command list over the port one line per reply, classifies and parses
// the replies, recovers a silent device and ends every run with one verdict.
// Everything runs on the thread that owns the port, the timers and the host.
class Engine {
public:
    static constexpr std::chrono::milliseconds kReplyTimeout{5000};
    // Between a reply and the next line.
    static constexpr std::chrono::milliseconds kLinePause{1};
    // Lets the device settle on its new line settings before the next line.
    static constexpr std::chrono::milliseconds kReopenPause{200};
    // How long a new list waits for the answer to a line the run it replaced
    // left outstanding, so that answer is not taken for its own first line's.
    static constexpr std::chrono::milliseconds kSettleTime{1000};

    Engine(OrderList& orders, DevicePort& port, Timers& timers, EngineHost& host);

    // Set by the caller after BeginAction, before ReadAll or WriteAll; nothing
    // resets it when a run ends.
    std::uint8_t CurrentOperation = kOtherOperation;

    // Every action starts here: a running list ends with the interrupted
    // verdict, and CurrentOperation goes back to kOtherOperation.
    void BeginAction();
    bool Running() const { return running_; }

    // The list operations.
    void ReadAll();
    void WriteAll();
    void FactoryReset();  // after the user confirmed
    void RestartDevice();
    void EnterCommandMode();
    // Runs the list as it stands, from OrderIndex.
    void StartList();

    // Direct sends: no list, no reply timer.
    void ExitToDataMode();
    void SendSms();
    void SendRawData(const std::string& text);
    void SendAtCommand(const std::string& body);
    void SendQuery(const std::string& name);
    void SendSet(const std::string& name, const std::string& value);

    // One received block, one reply.
    void HandleReceived(const std::string& rx);
    // The port's hang-up notice.
    void HandlePortLost();
    // One reply value into the form; the version reply also applies the
    // firmware family, which may extend the running list.
    void DispatchReply(const ReplyValue& reply);

    void SetReplyTimeout(std::chrono::milliseconds timeout) { replyTimeout_ = timeout; }
    const std::string& LastSent() const { return lastSent_; }

private:
    SendResult Write(const std::string& text);
    void SendCurrentOrder();
    void HandleReplyTimeout();
    void HandleSuccess(const std::string& rx);
    void HandleError(const std::string& rx);
    void NextLine(std::chrono::milliseconds pause);
    // False when the port could not follow the device and the run ended.
    bool FollowDeviceUartChange(bool& reopened);
    void DispatchValues(const std::string& rx);
    void ApplyFirmwareFamily(int family);
    void FollowDeviceWorkMode();

    void Settled();
    void Complete();
    void End(RunEnd end, std::string reason = {});
    void ClosePortAfter(const std::string& errorText);
    std::string CurrentLineName() const;

    OrderList& orders_;
    DevicePort& port_;
    EngineHost& host_;
    TimerSlot replyTimer_;
    TimerSlot pauseTimer_;
    TimerSlot settleTimer_;
    std::chrono::milliseconds replyTimeout_ = kReplyTimeout;
    std::string lastSent_;

    bool running_ = false;
    bool waitingToStart_ = false;
    // The line sent again after the recovery; a second silence there ends the run.
    int retryIndex_ = -1;
    std::vector<std::string> refused_;
    std::vector<std::string> unreadable_;
    // Work modes whose firmware-family queries this read all has appended.
    std::set<int> extendedModes_;
};

}  // namespace dtu
