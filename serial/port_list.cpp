#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "serial/net_port_name.h"
#include "serial/port_control.h"
#include "serial/port_scan.h"

namespace dtu {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPlaceholderDriver = "serial8250";

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The number starting at `pos`, as its digits without leading zeros.
std::string_view DigitRun(const std::string& text, std::size_t& pos) {
    std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    std::string_view run(text.data() + start, pos - start);
    while (run.size() > 1 && run.front() == '0') {
        run.remove_prefix(1);
    }
    return run;
}

// Virtual consoles ("tty" and a number), the current terminal and the console
// never sit on a device; passing them by name spares a look into sysfs for
// each of the usual sixty-four consoles.
bool IsVirtualTerminal(std::string_view name) {
    if (name == "console" || name == "ptmx") {
        return true;
    }
    return name.substr(0, 3) == "tty" && std::all_of(name.begin() + 3, name.end(), IsDigit);
}

std::string DriverOf(const fs::path& device) {
    std::error_code error;
    fs::path driver = fs::read_symlink(device / "driver", error);
    return error ? std::string() : driver.filename().string();
}

// Newer kernels put a serial-core port device between the tty and the
// serial8250 platform device, so the driver is looked for a few levels up
// (".." after the device link is taken from where the link leads).
bool BehindPlaceholderDriver(const fs::path& ttyEntry) {
    fs::path device = ttyEntry / "device";
    for (int level = 0; level < 3; ++level) {
        if (DriverOf(device) == kPlaceholderDriver) {
            return true;
        }
        device /= "..";
    }
    return false;
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::string_view x = DigitRun(a, i);
            std::string_view y = DigitRun(b, j);
            if (x.size() != y.size()) {
                return x.size() < y.size();
            }
            if (x != y) {
                return x < y;
            }
            continue;
        }
        if (a[i] != b[j]) {
            return a[i] < b[j];
        }
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

std::vector<std::string> ScanTtyDevices(const std::string& sysClassTty, const std::string& devDir,
                                        const PhantomTest& isPhantom) {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(sysClassTty, error)) {
        std::string name = entry.path().filename().string();
        if (IsVirtualTerminal(name) || !fs::exists(entry.path() / "device", error)) {
            continue;
        }
        if (BehindPlaceholderDriver(entry.path()) &&
            isPhantom(entry.path().string(), devDir + "/" + name)) {
            continue;
        }
        names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    for (std::string& name : names) {
        name = devDir + "/" + name;
    }
    return names;
}

std::vector<std::string> AppendExtraPorts(std::vector<std::string> ports,
                                          const std::string& extra) {
    std::size_t start = 0;
    while (start <= extra.size()) {
        // A network port name carries colons of its own.
        const std::size_t end = start + NetPortNameEnd(std::string_view(extra).substr(start));
        std::string part = extra.substr(start, end - start);
        if (!part.empty() && std::find(ports.begin(), ports.end(), part) == ports.end()) {
            ports.push_back(std::move(part));
        }
        start = end + 1;
    }
    return ports;
}

bool IsPhantomSerial8250(const std::string& sysEntry, const std::string& devicePath) {
    // sysfs tells the type without opening the port, which would raise DTR.
    std::ifstream typeFile(sysEntry + "/type");
    int type = 0;
    if (typeFile >> type) {
        return type == PORT_UNKNOWN;
    }
    int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // A port this user may not open is still listed, so opening it can say why.
        return errno != EACCES && errno != EPERM && errno != EBUSY;
    }
    serial_struct info{};
    bool phantom = ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type == PORT_UNKNOWN;
    close(fd);
    return phantom;
}

std::vector<std::string> ListSerialPorts() {
    const char* extra = std::getenv("DTUCONFIG_EXTRA_PORTS");
    return AppendExtraPorts(ScanTtyDevices("/sys/class/tty", "/dev", IsPhantomSerial8250),
                            extra ? extra : "");
}

}  // namespace dtu
