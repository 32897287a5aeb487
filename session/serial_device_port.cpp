#include "session/serial_device_port.h"

#include "serial/open_error_text.h"

namespace dtu {

namespace {

void Take(std::string& setting, const std::optional<std::string>& changed) {
    if (changed) {
        setting = *changed;
    }
}

}  // namespace

OpenResult SerialDevicePort::Reopen(const LineChange& change) {
    PortTexts& settings = control_.settings;
    Take(settings.baudRate, change.baudRate);
    Take(settings.parity, change.parity);
    Take(settings.dataBits, change.dataBits);
    Take(settings.stopBits, change.stopBits);
    const bool ok = control_.FollowLineSettings();
    return {ok, ok ? std::string() : OpenErrorText(control_.LastOpenError())};
}

std::chrono::milliseconds SerialDevicePort::FramingPause() const {
    return std::chrono::milliseconds(control_.FramingInterval());
}

}  // namespace dtu
