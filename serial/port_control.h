#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "port/send_result.h"
#include "serial/comm.h"
#include "serial/network_link.h"

namespace dtu {

// A port choice as the port lists show it.
struct PortTexts {
    std::string port;
    std::string baudRate;
    std::string parity;
    std::string dataBits;
    std::string stopBits;

    bool operator==(const PortTexts&) const = default;
};

inline constexpr std::array<const char*, 11> kBaudRates = {
    "300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "38400", "57600", "115200"};
inline constexpr std::array<const char*, 3> kParities = {"NONE", "ODD", "EVEN"};
inline constexpr std::array<const char*, 2> kDataBits = {"7", "8"};
inline constexpr std::array<const char*, 2> kStopBits = {"1", "2"};

// Serial ports present on this machine as device paths, then every path listed
// in DTUCONFIG_EXTRA_PORTS (colon-separated).
std::vector<std::string> ListSerialPorts();

// Opens, closes and writes to the one serial port of the program. Shows
// nothing: the caller tells the user. Runs on the thread that owns `comm`.
// A port name of a serial device server ("rfc2217://HOST:PORT",
// "socket://HOST:PORT") goes to `network`, which may be null where no network
// ports are wanted.
class PortControl {
public:
    explicit PortControl(TComm& comm, NetworkLink* network = nullptr);

    // (Re)opens the port with `settings`; never throws. What went wrong, or
    // nothing (Opened()) when the port is open.
    OpenError OpenPort();
    // The same without waiting for a network port's server: `done` runs on
    // the owner thread with the result once it is known, at once for a
    // serial port, never when ClosePort or another open came first.
    void BeginOpenPort(std::function<void(const OpenError&)> done);
    void ClosePort();
    // The port takes the line settings now in `settings` after the device
    // changed its own: a serial port is opened again, a network port asks its
    // server. What went wrong when it cannot.
    OpenError FollowLineSettings();
    // An open network port whose server keeps its own line settings.
    bool LineSetByServer() const;

    // Writes the bytes if the port is open; an empty text is written as nothing.
    SendResult Write(const std::string& text);

    bool PortIsOpen() const { return portIsOpen_; }

    // The read interval of the serial line last set up, in milliseconds.
    std::uint32_t FramingInterval() const;

    PortTexts settings;  // the current port settings

private:
    // Closes whatever is open and checks the texts; the line to ask a network
    // port for, or nothing with `failure` set.
    std::optional<LineRequest> PrepareNetworkOpen(OpenError& failure);
    void NetworkOpened(const OpenError& result);
    OpenError OpenSerialPort();
    // The settings texts as numbers; a parity, data-bits or stop-bits text
    // that is not one of the listed ones keeps the last value. Throws
    // ECommsError on a text that is not a number.
    LineRequest LineFromSettings();

    TComm& comm_;
    NetworkLink* network_;
    bool onNetwork_ = false;  // the open port is `network_`
    LineRequest networkLine_;
    bool portIsOpen_ = false;
};

}  // namespace dtu
