#pragma once

#include <functional>
#include <string>
#include <vector>

namespace dtu {

// Name order that reads numbers as numbers: ttyS2 before ttyS10.
bool NaturalLess(const std::string& a, const std::string& b);

// Asked for entries behind the serial8250 driver: true when no UART is there.
using PhantomTest = std::function<bool(const std::string& sysEntry, const std::string& devicePath)>;

// `devDir`/<name> for every entry of `sysClassTty` with a device behind it, in
// natural order, without the phantoms.
std::vector<std::string> ScanTtyDevices(const std::string& sysClassTty, const std::string& devDir,
                                        const PhantomTest& isPhantom);

// `ports`, then each non-empty part of the colon-separated `extra` that is not
// already among them. Network port names ("rfc2217://host:port") stay whole.
std::vector<std::string> AppendExtraPorts(std::vector<std::string> ports, const std::string& extra);

// True for a serial8250 placeholder: the driver reports the port type as
// unknown, read from sysfs, or by TIOCGSERIAL where sysfs does not say.
bool IsPhantomSerial8250(const std::string& sysEntry, const std::string& devicePath);

}  // namespace dtu
