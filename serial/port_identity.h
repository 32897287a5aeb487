#pragma once

#include <string>
#include <vector>

namespace dtu {

// A listed port and what tells it apart from the others.
struct PortInfo {
    std::string path;  // as ListSerialPorts gives it
    std::string byId;  // the /dev/serial/by-id link to it; empty when none
    // USB facts from sysfs; empty for ports that are not behind USB.
    std::string vendorId;
    std::string productId;
    std::string manufacturer;
    std::string product;
    std::string serial;
};

// What the port list shows beside the path (UTF-8): maker, product and serial
// number, or the USB ids when the device names neither, then the by-id name.
// Empty when nothing is known.
std::string PortDescription(const PortInfo& port);

// `paths` with the USB facts found through `sysClassTty` and the links of `byIdDir`.
std::vector<PortInfo> DescribePorts(const std::vector<std::string>& paths,
                                    const std::string& sysClassTty, const std::string& byIdDir);

// ListSerialPorts, described.
std::vector<PortInfo> ListPortInfos();

// Index of the port `stored` names, by its path or by its by-id link, so an
// adapter found again under another ttyUSB number still matches; -1 for none.
int FindStoredPort(const std::string& stored, const std::vector<PortInfo>& ports);

// The by-id link to `devicePath` in `byIdDir`, which survives re-plugging;
// `devicePath` itself when there is none.
std::string StablePortName(const std::string& devicePath,
                           const std::string& byIdDir = "/dev/serial/by-id");

}  // namespace dtu
