#pragma once

#include <functional>
#include <string>
#include <vector>

namespace dtu {

// Name order that reads numbers as numbers: ttyS2 before ttyS10.
bool NaturalLess(const std::string& a, const std::string& b);

// `devDir`/<name> for every entry of `sysClassTty` with a device behind it, in
// natural order. Entries behind the serial8250 driver are kept only when
// `isPhantom` says the port behind them is real.
std::vector<std::string> ScanTtyDevices(
    const std::string& sysClassTty, const std::string& devDir,
    const std::function<bool(const std::string& devicePath)>& isPhantom);

// `ports`, then each non-empty part of the colon-separated `extra` that is not
// already among them.
std::vector<std::string> AppendExtraPorts(std::vector<std::string> ports, const std::string& extra);

// True for a serial8250 placeholder: the driver reports no UART behind it.
bool IsPhantomSerial8250(const std::string& devicePath);

}  // namespace dtu
