#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "serial/port_identity.h"

namespace dtu::test {
namespace {

namespace fs = std::filesystem;

// A sysfs and /dev look-alike: USB adapters with their attributes, on-board
// ports without, and the by-id links udev would make.
class FakeDeviceTree : public ::testing::Test {
protected:
    FakeDeviceTree() {
        root = fs::temp_directory_path() / ("dtu-devices-" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(Dev());
        fs::create_directories(ById());
    }
    ~FakeDeviceTree() override { fs::remove_all(root); }

    std::string Dev() const { return (root / "dev").string(); }
    std::string ById() const { return (root / "dev" / "serial" / "by-id").string(); }
    std::string SysClassTty() const { return (root / "class" / "tty").string(); }
    std::string Node(const std::string& name) const { return Dev() + "/" + name; }

    // A USB device `usb` with one interface holding the tty `name`.
    void AddUsbTty(const std::string& name, const std::string& usb,
                   const std::vector<std::pair<const char*, const char*>>& attributes) {
        fs::path device = root / "devices" / "usb1" / usb;
        fs::path tty = device / (usb + ":1.0") / name;
        fs::create_directories(tty);
        for (const auto& [attribute, value] : attributes) {
            std::ofstream(device / attribute) << value << '\n';
        }
        AddNode(name, tty);
    }

    void AddOnBoardTty(const std::string& name) {
        fs::path tty = root / "devices" / "platform" / "serial8250" / name;
        fs::create_directories(tty);
        AddNode(name, tty);
    }

    void AddById(const std::string& link, const std::string& name) {
        fs::create_symlink("../../" + name, ById() + "/" + link);
    }

    // Unplugging takes the node, the sysfs entry and the by-id link away.
    void Unplug(const std::string& name) {
        fs::remove(Node(name));
        fs::remove_all(fs::path(SysClassTty()) / name);
        for (const fs::directory_entry& link : fs::directory_iterator(ById())) {
            if (!fs::exists(link.path())) {
                fs::remove(link.path());
            }
        }
    }

    fs::path root;

private:
    void AddNode(const std::string& name, const fs::path& sysDevice) {
        std::ofstream(Node(name)) << "";
        fs::create_directories(fs::path(SysClassTty()) / name);
        fs::create_directory_symlink(sysDevice, fs::path(SysClassTty()) / name / "device");
    }
};

constexpr const char* kFtdiId = "usb-FTDI_FT232R_USB_UART_A9X1B2C3-if00-port0";
constexpr const char* kCh340Id = "usb-1a86_USB_Serial-if00-port0";

TEST_F(FakeDeviceTree, DescribesEachPort) {
    AddUsbTty("ttyUSB0", "1-1",
              {{"idVendor", "0403"},
               {"idProduct", "6001"},
               {"manufacturer", "FTDI"},
               {"product", "FT232R USB UART"},
               {"serial", "A9X1B2C3"}});
    AddById(kFtdiId, "ttyUSB0");
    AddUsbTty("ttyUSB1", "1-2", {{"idVendor", "1a86"}, {"idProduct", "7523"}});
    AddById(kCh340Id, "ttyUSB1");
    AddUsbTty("ttyACM0", "1-3", {{"idVendor", "2c7c"}, {"product", "EC200T"}});
    AddOnBoardTty("ttyS0");

    const std::vector<std::string> paths = {Node("ttyACM0"), Node("ttyS0"), Node("ttyUSB0"),
                                            Node("ttyUSB1"), "/tmp/dtusim0"};
    const std::vector<PortInfo> ports = DescribePorts(paths, SysClassTty(), ById());
    ASSERT_EQ(ports.size(), paths.size());
    const std::vector<std::string> expected = {
        "EC200T",
        "",
        std::string("FTDI FT232R USB UART (A9X1B2C3), by-id/") + kFtdiId,
        std::string("1a86:7523, by-id/") + kCh340Id,
        "",
    };
    for (std::size_t i = 0; i < ports.size(); ++i) {
        EXPECT_EQ(ports[i].path, paths[i]);
        EXPECT_EQ(PortDescription(ports[i]), expected[i]) << paths[i];
    }
    EXPECT_EQ(ports[2].byId, ById() + "/" + kFtdiId);
    EXPECT_EQ(ports[2].vendorId, "0403");
    EXPECT_EQ(ports[2].productId, "6001");
}

TEST_F(FakeDeviceTree, StoredPortIsFoundAgainByItsByIdName) {
    AddOnBoardTty("ttyS0");
    AddUsbTty("ttyUSB0", "1-1", {{"idVendor", "0403"}, {"serial", "A9X1B2C3"}});
    AddById(kFtdiId, "ttyUSB0");
    const std::string stored = StablePortName(Node("ttyUSB0"), ById());
    EXPECT_EQ(stored, ById() + "/" + kFtdiId);
    EXPECT_EQ(StablePortName(Node("ttyS0"), ById()), Node("ttyS0"));

    // Re-plugged after another adapter took ttyUSB0: the FTDI one is ttyUSB1 now.
    Unplug("ttyUSB0");
    AddUsbTty("ttyUSB0", "1-2", {{"idVendor", "1a86"}});
    AddById(kCh340Id, "ttyUSB0");
    AddUsbTty("ttyUSB1", "1-1", {{"idVendor", "0403"}, {"serial", "A9X1B2C3"}});
    AddById(kFtdiId, "ttyUSB1");
    const std::vector<PortInfo> ports =
        DescribePorts({Node("ttyS0"), Node("ttyUSB0"), Node("ttyUSB1")}, SysClassTty(), ById());

    struct Row {
        std::string stored;
        int index;
    };
    const Row rows[] = {
        {stored, 2},           {Node("ttyUSB0"), 1},
        {Node("ttyS0"), 0},    {ById() + "/usb-gone-if00-port0", -1},
        {Node("ttyUSB7"), -1}, {"", -1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FindStoredPort(row.stored, ports), row.index) << row.stored;
    }
}

TEST_F(FakeDeviceTree, UnpluggedAdapterKeepsItsPathAsName) {
    AddUsbTty("ttyUSB0", "1-1", {{"idVendor", "0403"}});
    AddById(kFtdiId, "ttyUSB0");
    Unplug("ttyUSB0");
    EXPECT_EQ(StablePortName(Node("ttyUSB0"), ById()), Node("ttyUSB0"));
    EXPECT_EQ(StablePortName(Node("ttyUSB0"), (root / "absent").string()), Node("ttyUSB0"));
}

TEST(StoredPort, BareNameMeansTheDevFolder) {
    PortInfo port;
    port.path = "/dev/ttyUSB0";
    EXPECT_EQ(FindStoredPort("ttyUSB0", {port}), 0);
}

}  // namespace
}  // namespace dtu::test
