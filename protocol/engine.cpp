#include "protocol/engine.h"

#include <climits>
#include <exception>
#include <thread>

#include "lang/lang_list.h"
#include "protocol/reply_classifier.h"
#include "protocol/reply_parser.h"
#include "protocol/sequences.h"
#include "protocol/text_helpers.h"

namespace dtu {

namespace {

constexpr auto kLinePause = std::chrono::milliseconds(1);
// Lets the device settle on its new line settings before the next line.
constexpr auto kReopenPause = std::chrono::milliseconds(200);
// The port write takes a 16-bit length.
constexpr std::size_t kMaxSendLength = 65535;

constexpr std::string_view kIcfSetPrefix = "AT+ICF=";
constexpr std::string_view kCiprSetPrefix = "AT+CIPR=";

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

// Port settings positions: name, baud rate, parity, data bits, stop bits.
constexpr std::size_t kBaudSetting = 1;
constexpr std::size_t kParitySetting = 2;
constexpr std::size_t kDataBitsSetting = 3;
constexpr std::size_t kStopBitsSetting = 4;

}  // namespace

Engine::Engine(OrderList& orders, PortControl& port, EngineWindow& window, SleepFunction sleep)
    : orders_(orders), port_(port), window_(window), sleep_(std::move(sleep)) {}

void Engine::RealSleep(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

void Engine::SendOrder(std::int64_t index) {
    const std::string line = orders_.GetOrder(index);
    if (line.empty()) {
        return;
    }
    // A line the open port refuses as too long is not outstanding: nothing to time.
    const bool refusedAsTooLong = port_.PortIsOpen() && line.size() > kMaxSendLength;
    port_.SendText(line);
    if (!refusedAsTooLong) {
        window_.ArmReplyTimer();
    }
}

void Engine::SendCurrentOrder() {
    SendOrder(orders_.OrderIndex);
    sleep_(kLinePause);
}

void Engine::HandleReceived(const char* buffer, std::uint16_t length) {
    const std::string rx = buffer == nullptr ? std::string() : std::string(buffer, length);
    if (rx != port_.LastSent()) {
        window_.DisarmReplyTimer();
    }
    switch (ClassifyReply(rx)) {
        case ReplyKind::Success:
            ParseReply(rx);
            AdvanceAfterSuccess();
            break;
        case ReplyKind::Error:
            window_.ShowErrorLine(rx);
            if (orders_.OrderIndex < INT32_MAX) {
                ++orders_.OrderIndex;
            }
            SendCurrentOrder();
            break;
        case ReplyKind::Other:
            window_.ShowInfoLine(rx);
            break;
    }
}

void Engine::AdvanceAfterSuccess() {
    // Counted after the parse, so lines the version reply added are included.
    const int lastIndex = orders_.OrderCount() - 1;
    if (orders_.OrderIndex < lastIndex) {
        window_.ShowProgress();
        window_.SetProgressRange(0, lastIndex);
        window_.SetProgressPosition(orders_.OrderIndex);
        ++orders_.OrderIndex;
        SendCurrentOrder();
        return;
    }
    window_.SetProgressPosition(orders_.OrderIndex);
    window_.HideProgress();
    window_.ShowInfoLine(LangText(SuccessTextKey(CurrentOperation)));
}

void Engine::HandleReplyTimeout() {
    orders_.InsertEnterCfgOrders();
    SendCurrentOrder();
    // The recovery's own "+++" is not timed: a device silent to it ends the run.
    window_.DisarmReplyTimer();
}

void Engine::SendRawData(const std::string& text) {
    port_.SendText(text);
}

void Engine::SendAtCommand(const std::string& body) {
    port_.SendAtText(body);
}

void Engine::SendQuery(const std::string& name) {
    port_.SendAtText(name + "?");
}

void Engine::SendSet(const std::string& name, const std::string& value) {
    port_.SendAtText(name + "=" + value);
}

void Engine::ParseReply(const std::string& rx) {
    window_.ShowRxLine(rx);
    if (rx == port_.LastSent()) {
        return;  // the device echoed our own text
    }
    FollowDeviceUartChange();
    DispatchValues(rx);
}

void Engine::FollowDeviceUartChange() {
    const std::string& lastSent = port_.LastSent();
    const bool formatChanged = lastSent.starts_with(kIcfSetPrefix);
    const bool speedChanged = !formatChanged && lastSent.starts_with(kCiprSetPrefix);
    if (!formatChanged && !speedChanged) {
        return;
    }
    const FormValues form = window_.ReadForm();
    if (formatChanged) {
        port_.settings[kParitySetting] = form.cbb_Com_ParityText;
        port_.settings[kDataBitsSetting] = form.cbb_Com_ByteText;
        port_.settings[kStopBitsSetting] = form.cbb_Com_StopText;
    } else {
        port_.settings[kBaudSetting] = form.cbb_Com_BaudRate;
    }
    if (port_.OpenPort()) {
        sleep_(kReopenPause);
    }
}

void Engine::DispatchValues(const std::string& rx) {
    for (const ReplyValue& reply : ParseReplyValues(rx)) {
        try {
            window_.DispatchReply(reply.name, reply.value);
        } catch (const std::exception&) {
            // A value the form cannot take is dropped; the running list goes on.
        }
    }
}

void Engine::ApplyFirmwareFamily(int family) {
    window_.EnableFamilyControls(family != 1);
    if (family != 2) {
        return;
    }
    if (CurrentOperation == kReadAllOperation) {
        AppendFamilyQueries(window_.ReadForm(), orders_);
    } else if (CurrentOperation == kWriteAllOperation) {
        InsertFamilySetLines(window_.ReadForm(), orders_);
    }
}

void Engine::ReadAll() {
    BuildReadAllOrders(orders_);
    SendCurrentOrder();
}

void Engine::WriteAll() {
    BuildWriteAllOrders(window_.ReadForm(), orders_);
    SendCurrentOrder();
}

void Engine::FactoryReset() {
    window_.ResetFormForFactory();
    orders_.ClearOrders();
    orders_.AddExecOrder("CIRELOAD");
    SendCurrentOrder();
}

void Engine::RestartDevice() {
    orders_.ClearOrders();
    orders_.AddExecOrder("CIRESET");
    SendCurrentOrder();
}

void Engine::EnterCommandMode() {
    orders_.ClearOrders();
    orders_.AddRawOrder("+++");
    orders_.AddRawOrder("a");
    SendCurrentOrder();
}

void Engine::ExitToDataMode() {
    orders_.ClearOrders();
    SendAtCommand("ENTM");
}

void Engine::SendSms() {
    const FormValues form = window_.ReadForm();
    const std::string number = DelSpaces(form.edt_Sms_TelNo);
    const std::string message = DelCrLf(form.mmo_Sms_Msg);
    if (number.empty() || message.empty()) {
        return;
    }
    SendSet("CISMSSEND", number + ",3," + message);
}

}  // namespace dtu
