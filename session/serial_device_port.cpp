#include "session/serial_device_port.h"

namespace dtu {

namespace {

void Take(std::string& setting, const std::optional<std::string>& changed) {
    if (changed) {
        setting = *changed;
    }
}

}  // namespace

OpenError SerialDevicePort::Reopen(const LineChange& change) {
    PortTexts& settings = control_.settings;
    Take(settings.baudRate, change.baudRate);
    Take(settings.parity, change.parity);
    Take(settings.dataBits, change.dataBits);
    Take(settings.stopBits, change.stopBits);
    return control_.FollowLineSettings();
}

std::chrono::milliseconds SerialDevicePort::FramingPause() const {
    return std::chrono::milliseconds(control_.FramingInterval());
}

}  // namespace dtu
