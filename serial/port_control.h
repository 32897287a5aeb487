#pragma once

#include <array>
#include <string>
#include <vector>

#include "serial/comm.h"
#include "serial/port_view.h"

namespace dtu {

// The five texts of a port choice, in this order: port name, baud rate,
// parity, data bits, stop bits.
using PortTexts = std::array<std::string, 5>;

inline constexpr std::array<const char*, 11> kBaudRates = {
    "300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "38400", "57600", "115200"};
inline constexpr std::array<const char*, 3> kParities = {"NONE", "ODD", "EVEN"};
inline constexpr std::array<const char*, 2> kDataBits = {"7", "8"};
inline constexpr std::array<const char*, 2> kStopBits = {"1", "2"};

// Serial ports present on this machine as device paths, then every path listed
// in DTUCONFIG_EXTRA_PORTS (colon-separated).
std::vector<std::string> ListSerialPorts();

// Opens, closes and writes to the one serial port of the program. Runs on the
// thread that owns `comm`.
class PortControl {
public:
    PortControl(TComm& comm, PortView& view);

    // (Re)opens the port with `settings`; never throws, shows no message.
    bool OpenPort();
    void ClosePort();

    // Writes the bytes if the port is open and echoes them in blue; otherwise
    // shows the port-not-open note in red. Texts over 65535 bytes are refused
    // with a red line and nothing is written.
    void SendText(const std::string& text);
    void SendAtText(const std::string& body);

    bool PortIsOpen() const { return portIsOpen_; }
    const std::string& LastSent() const { return lastSent_; }
    // Why the last OpenPort failed; kind None after a success.
    const OpenError& LastOpenError() const { return lastOpenError_; }

    TComm& Comm() { return comm_; }

    PortTexts settings;       // the current port settings
    PortTexts savedSettings;  // kept for batch work, never stored on disk

private:
    TComm& comm_;
    PortView& view_;
    bool portIsOpen_ = false;
    std::string lastSent_;
    OpenError lastOpenError_;
};

}  // namespace dtu
