#include "serial/port_identity.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "serial/net_port_name.h"
#include "serial/port_control.h"
#include "serial/port_lock.h"

namespace dtu {

namespace {

namespace fs = std::filesystem;

// The tty device sits below its USB interface, which sits below the USB device.
constexpr int kLevelsToUsbDevice = 4;

std::string ReadAttribute(const fs::path& dir, const char* name) {
    std::ifstream file(dir / name);
    std::string value;
    std::getline(file, value);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\r')) {
        value.pop_back();
    }
    return value;
}

// The USB device a tty hangs off, or an empty path when it is not behind USB.
// The kernel takes ".." after a link from where the link leads, so the
// device's ancestors are reached without resolving each step here.
fs::path UsbDeviceOf(const fs::path& ttyEntry) {
    std::error_code error;
    fs::path device = ttyEntry / "device";
    if (!fs::exists(device, error)) {
        return {};
    }
    for (int level = 0; level <= kLevelsToUsbDevice; ++level) {
        if (fs::exists(device / "idVendor", error)) {
            return device;
        }
        device /= "..";
    }
    return {};
}

std::string Canonical(const std::string& path) {
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(path, error);
    return error ? path : resolved.string();
}

// Device behind each by-id link -> the link, the first name in order when several point alike.
std::map<std::string, std::string> ByIdLinks(const std::string& byIdDir) {
    std::vector<std::string> links;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(byIdDir, error)) {
        links.push_back(entry.path().string());
    }
    std::sort(links.begin(), links.end());
    std::map<std::string, std::string> byTarget;
    for (const std::string& link : links) {
        byTarget.emplace(Canonical(link), link);
    }
    return byTarget;
}

}  // namespace

std::string PortDescription(const PortInfo& port) {
    std::string text = port.manufacturer;
    if (!port.product.empty()) {
        text += (text.empty() ? "" : " ") + port.product;
    }
    if (text.empty() && !port.vendorId.empty()) {
        text = port.vendorId + ":" + port.productId;
    }
    if (!port.serial.empty()) {
        text += (text.empty() ? "(" : " (") + port.serial + ")";
    }
    if (!port.byId.empty()) {
        text += (text.empty() ? "by-id/" : ", by-id/") + fs::path(port.byId).filename().string();
    }
    return text;
}

std::vector<PortInfo> DescribePorts(const std::vector<std::string>& paths,
                                    const std::string& sysClassTty, const std::string& byIdDir) {
    const std::map<std::string, std::string> links = ByIdLinks(byIdDir);
    std::vector<PortInfo> ports;
    for (const std::string& path : paths) {
        PortInfo port;
        port.path = path;
        if (auto link = links.empty() ? links.end() : links.find(Canonical(path));
            link != links.end()) {
            port.byId = link->second;
        }
        const fs::path usb = UsbDeviceOf(fs::path(sysClassTty) / fs::path(path).filename());
        if (!usb.empty()) {
            port.vendorId = ReadAttribute(usb, "idVendor");
            port.productId = ReadAttribute(usb, "idProduct");
            port.manufacturer = ReadAttribute(usb, "manufacturer");
            port.product = ReadAttribute(usb, "product");
            port.serial = ReadAttribute(usb, "serial");
        }
        ports.push_back(std::move(port));
    }
    return ports;
}

std::vector<PortInfo> ListPortInfos() {
    return DescribePorts(ListSerialPorts(), "/sys/class/tty", "/dev/serial/by-id");
}

int FindStoredPort(const std::string& stored, const std::vector<PortInfo>& ports) {
    if (stored.empty()) {
        return -1;
    }
    // A network port is listed by its name, which is no device path.
    const std::string path = HasNetScheme(stored) ? stored : DevicePathFor(stored);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        if (ports[i].path == path) {
            return static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < ports.size(); ++i) {
        if (ports[i].byId == path) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string StablePortName(const std::string& devicePath, const std::string& byIdDir) {
    const std::map<std::string, std::string> links = ByIdLinks(byIdDir);
    auto link = links.find(Canonical(devicePath));
    return link != links.end() ? link->second : devicePath;
}

}  // namespace dtu
