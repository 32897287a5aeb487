#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "port/open_error.h"
#include "port/send_result.h"

namespace dtu {

// New line settings for the PC port once the device has taken them; the parts
// left empty stay as they are. Texts as the port lists show them.
struct LineChange {
    std::optional<std::string> baudRate;
    std::optional<std::string> parity;
    std::optional<std::string> dataBits;
    std::optional<std::string> stopBits;
};

// The one port the engine talks through. Everything runs on the owner thread.
class DevicePort {
public:
    virtual ~DevicePort() = default;

    virtual bool IsOpen() const = 0;
    virtual SendResult Send(const std::string& bytes) = 0;
    // Closes and opens the same port again with the changed line settings;
    // what went wrong when it cannot.
    virtual OpenError Reopen(const LineChange& change) = 0;
    // Closes the port after it was lost.
    virtual void Close() = 0;
    // The port's name and baud rate, for the texts that tell what to check.
    virtual std::string Name() const = 0;
    virtual std::string BaudRate() const = 0;
    // How long the line falls quiet before the receive ends: the pause between
    // a final line and the next line sent keeps the timing devices are used to.
    virtual std::chrono::milliseconds FramingPause() const { return kDefaultFramingPause; }

    static constexpr std::chrono::milliseconds kDefaultFramingPause{60};
};

}  // namespace dtu
