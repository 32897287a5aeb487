#pragma once

#include "protocol/device_port.h"
#include "serial/port_control.h"

namespace dtu {

// The engine's port over the port control, a serial port or one behind a
// serial device server: the line settings are the five texts of the port lists.
class SerialDevicePort : public DevicePort {
public:
    explicit SerialDevicePort(PortControl& control) : control_(control) {}

    bool IsOpen() const override { return control_.PortIsOpen(); }
    SendResult Send(const std::string& bytes) override { return control_.Write(bytes); }
    OpenError Reopen(const LineChange& change) override;
    void Close() override { control_.ClosePort(); }
    std::string Name() const override { return control_.settings.port; }
    std::string BaudRate() const override { return control_.settings.baudRate; }
    std::chrono::milliseconds FramingPause() const override;

private:
    PortControl& control_;
};

}  // namespace dtu
