#include "session/serial_device_port.h"

#include "serial/open_error_text.h"
#include "serial/port_texts.h"

namespace dtu {

namespace {

// Positions in PortTexts.
constexpr std::size_t kBaudSetting = 1;
constexpr std::size_t kParitySetting = 2;
constexpr std::size_t kDataBitsSetting = 3;
constexpr std::size_t kStopBitsSetting = 4;

void Take(std::string& setting, const std::optional<std::string>& changed) {
    if (changed) {
        setting = *changed;
    }
}

}  // namespace

SendResult SerialDevicePort::Send(const std::string& bytes) {
    switch (control_.Write(bytes)) {
        case PortWrite::Written:
            return SendResult::Sent;
        case PortWrite::TooLong:
            return SendResult::TooLong;
        case PortWrite::NotOpen:
            return SendResult::Closed;
        case PortWrite::Refused:
            return SendResult::Lost;
    }
    return SendResult::Lost;
}

OpenResult SerialDevicePort::Reopen(const LineChange& change) {
    PortTexts& settings = control_.settings;
    Take(settings[kBaudSetting], change.baudRate);
    Take(settings[kParitySetting], change.parity);
    Take(settings[kDataBitsSetting], change.dataBits);
    Take(settings[kStopBitsSetting], change.stopBits);
    const bool ok = control_.FollowLineSettings();
    return {ok, ok ? std::string() : OpenErrorText(control_.LastOpenError())};
}

std::chrono::milliseconds SerialDevicePort::FramingPause() const {
    return std::chrono::milliseconds(FramingIntervalFor(control_.Comm().BaudRate()));
}

}  // namespace dtu
