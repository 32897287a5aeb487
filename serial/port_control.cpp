#include "serial/port_control.h"

#include <limits>
#include <stdexcept>

#include "lang/lang_list.h"
#include "serial/port_texts.h"

namespace dtu {

namespace {

constexpr int kReplyTimeoutMs = 5000;
constexpr std::size_t kMaxBlock = std::numeric_limits<std::uint16_t>::max();
constexpr const char* kTooLongText = "[Error]: text longer than 65535 bytes, nothing sent";
constexpr const char* kPortNotOpenKey = "lang_Info_ComIsOpen";

// A setting text that cannot be used.
class BadSetting : public std::runtime_error {
public:
    BadSetting(const char* what, const std::string& text)
        : std::runtime_error(std::string(what) + " \"" + text + "\"") {}
};

std::int64_t NumberOrThrow(const std::string& text, const char* what) {
    std::optional<std::int64_t> value = ParseDecimal(text);
    if (!value) {
        throw BadSetting(what, text);
    }
    return *value;
}

std::uint32_t BaudOrThrow(const std::string& text) {
    std::int64_t value = NumberOrThrow(text, "invalid baud rate");
    if (value < 0 || value > std::numeric_limits<std::uint32_t>::max()) {
        throw BadSetting("invalid baud rate", text);
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

PortControl::PortControl(TComm& comm, PortView& view) : comm_(comm), view_(view) {}

bool PortControl::OpenPort() {
    lastOpenError_ = {};
    try {
        comm_.StopPort();
        // No flow control; DTR and RTS stay inactive.
        comm_.SetOutxCtsFlow(false);
        comm_.SetOutxDsrFlow(false);
        comm_.SetDtrControl(TDtrControl::DtrDisable);
        comm_.SetTxContinueOnXoff(false);
        comm_.SetRtsControl(TRtsControl::RtsDisable);

        comm_.SetCommName(settings[0]);
        comm_.SetBaudRate(BaudOrThrow(settings[1]));
        if (std::optional<ParityChoice> parity = ParityFromText(settings[2])) {
            comm_.SetParityCheck(parity->check);
            comm_.SetParity(parity->parity);
        }
        switch (NumberOrThrow(settings[3], "invalid data bits")) {
            case 7:
                comm_.SetByteSize(TByteSize::_7);
                break;
            case 8:
                comm_.SetByteSize(TByteSize::_8);
                break;
            default:
                break;
        }
        switch (NumberOrThrow(settings[4], "invalid stop bits")) {
            case 1:
                comm_.SetStopBits(TStopBits::_1);
                break;
            case 2:
                comm_.SetStopBits(TStopBits::_2);
                break;
            default:
                break;
        }
        comm_.SetReadIntervalTimeout(FramingIntervalFor(comm_.BaudRate()));
        comm_.SetReadTotalTimeoutMultiplier(0);
        comm_.SetReadTotalTimeoutConstant(0);
        comm_.SetWriteTotalTimeoutMultiplier(0);
        comm_.SetWriteTotalTimeoutConstant(0);

        view_.SetReplyTimerInterval(kReplyTimeoutMs);
        view_.DisarmReplyTimer();
        comm_.StartPort();
        portIsOpen_ = true;
        view_.SetPortStatus(
            PortStatusText(settings[0], settings[1], settings[2], settings[3], settings[4]));
    } catch (const ECommsError& error) {
        lastOpenError_ = error.Failure().kind != OpenFailure::None
                             ? error.Failure()
                             : OtherOpenError(settings[0], error.what());
        portIsOpen_ = false;
    } catch (const std::exception& error) {
        lastOpenError_ = OtherOpenError(settings[0], error.what());
        portIsOpen_ = false;
    }
    if (!portIsOpen_) {
        // A failure after the start must not leave the port open behind the flag.
        comm_.StopPort();
    }
    return portIsOpen_;
}

void PortControl::ClosePort() {
    comm_.StopPort();
    portIsOpen_ = false;
    view_.SetPortStatus(LangText(kPortNotOpenKey));
}

void PortControl::SendText(const std::string& text) {
    if (text.empty()) {
        return;
    }
    if (!portIsOpen_) {
        view_.ShowErrorLine(LangText(kPortNotOpenKey));
        return;
    }
    if (text.size() > kMaxBlock) {
        view_.ShowErrorLine(kTooLongText);
        return;
    }
    comm_.WriteBlock(text.data(), static_cast<std::uint16_t>(text.size()));
    view_.ShowTxLine(text);
    lastSent_ = text;
}

void PortControl::SendAtText(const std::string& body) {
    SendText("AT+" + body + "\r\n");
}

}  // namespace dtu
