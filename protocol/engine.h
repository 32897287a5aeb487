#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "protocol/engine_window.h"
#include "protocol/order_list.h"
#include "serial/port_control.h"

namespace dtu {

// Values of Engine::CurrentOperation.
inline constexpr std::uint8_t kOtherOperation = 0;
inline constexpr std::uint8_t kReadAllOperation = 1;
inline constexpr std::uint8_t kWriteAllOperation = 2;

// Runs the command list over the port one line per reply, classifies and parses
// the replies, recovers a silent device and builds the lists of every operation.
// Everything runs on the thread that owns the port and the window.
class Engine {
public:
    using SleepFunction = std::function<void(std::chrono::milliseconds)>;

    Engine(OrderList& orders, PortControl& port, EngineWindow& window,
           SleepFunction sleep = RealSleep);

    static void RealSleep(std::chrono::milliseconds duration);

    // The caller sets it to kOtherOperation at the start of every action and to
    // kReadAllOperation or kWriteAllOperation just before ReadAll or WriteAll.
    std::uint8_t CurrentOperation = kOtherOperation;

    // Sending list lines.
    void SendOrder(std::int64_t index);
    void SendCurrentOrder();

    // The receive event and the reply timer.
    void HandleReceived(const char* buffer, std::uint16_t length);
    void HandleReplyTimeout();

    // Direct sends: no list, no reply timer.
    void SendRawData(const std::string& text);
    void SendAtCommand(const std::string& body);
    void SendQuery(const std::string& name);
    void SendSet(const std::string& name, const std::string& value);

    void ParseReply(const std::string& rx);
    // Enables or disables the family controls; family 2 extends a running read
    // all or write all.
    void ApplyFirmwareFamily(int family);

    // The operations of the main window.
    void ReadAll();
    void WriteAll();
    void FactoryReset();  // after the user confirmed
    void RestartDevice();
    void EnterCommandMode();
    void ExitToDataMode();
    void SendSms();

private:
    void AdvanceAfterSuccess();
    void FollowDeviceUartChange();
    void DispatchValues(const std::string& rx);

    OrderList& orders_;
    PortControl& port_;
    EngineWindow& window_;
    SleepFunction sleep_;
};

}  // namespace dtu
