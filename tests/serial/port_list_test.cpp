#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "serial/port_control.h"
#include "serial/port_scan.h"
#include "serial/port_texts.h"

namespace dtu::test {
namespace {

namespace fs = std::filesystem;

using Names = std::vector<std::string>;

TEST(NaturalOrder, NumbersCompareByValue) {
    Names names = {"ttyUSB0", "ttyS10",  "ttyS2",    "ttyACM0",
                   "ttyS0",   "ttyAMA1", "ttyUSB10", "ttyUSB9"};
    std::sort(names.begin(), names.end(), NaturalLess);
    EXPECT_EQ(names, (Names{"ttyACM0", "ttyAMA1", "ttyS0", "ttyS2", "ttyS10", "ttyUSB0", "ttyUSB9",
                            "ttyUSB10"}));
    EXPECT_FALSE(NaturalLess("ttyS2", "ttyS2"));
    EXPECT_TRUE(NaturalLess("ttyS", "ttyS0"));
}

// A /sys/class/tty look-alike in a temporary folder.
class FakeSysClassTty : public ::testing::Test {
protected:
    FakeSysClassTty() {
        root = fs::temp_directory_path() / ("dtu-tty-" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "drivers");
    }
    ~FakeSysClassTty() override { fs::remove_all(root); }

    void AddTty(const std::string& name, const std::string& driver) {
        fs::path entry = root / "class" / name;
        fs::create_directories(entry);
        if (driver.empty()) {
            return;  // a virtual terminal: no device behind it
        }
        fs::create_directories(entry / "device");
        fs::create_directories(root / "drivers" / driver);
        fs::create_symlink(root / "drivers" / driver, entry / "device" / "driver");
    }

    // The newer layout: tty -> serial-core port -> controller -> platform device.
    void AddPortBehindPlatformDevice(const std::string& name, const std::string& platformDriver) {
        fs::path platform = root / "devices" / "platform" / platformDriver;
        fs::path port = platform / (platformDriver + ":0") / (platformDriver + ":0." + name);
        fs::create_directories(port);
        fs::create_directories(root / "drivers" / "port");
        fs::create_directories(root / "drivers" / platformDriver);
        fs::create_symlink(root / "drivers" / "port", port / "driver");
        if (!fs::exists(platform / "driver")) {
            fs::create_symlink(root / "drivers" / platformDriver, platform / "driver");
        }
        fs::create_directories(root / "class" / name);
        fs::create_directory_symlink(port, root / "class" / name / "device");
    }

    fs::path root;
};

TEST_F(FakeSysClassTty, ListsRealPortsInNaturalOrder) {
    AddTty("tty0", "");
    AddTty("console", "");
    AddTty("ttyS0", "serial8250");
    AddTty("ttyS1", "serial8250");
    AddTty("ttyS31", "serial8250");
    AddTty("ttyS10", "dw-apb-uart");
    AddTty("ttyS2", "dw-apb-uart");
    AddTty("ttyUSB0", "ftdi_sio");
    AddTty("ttyACM0", "cdc_acm");
    Names asked;
    auto isPhantom = [&](const std::string&, const std::string& path) {
        asked.push_back(path);
        return path != "/dev/ttyS0";
    };
    Names ports = ScanTtyDevices((root / "class").string(), "/dev", isPhantom);
    EXPECT_EQ(ports,
              (Names{"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0"}));
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (Names{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS31"}));
}

TEST_F(FakeSysClassTty, FindsThePlaceholderDriverAboveTheCorePortDevice) {
    AddPortBehindPlatformDevice("ttyS0", "serial8250");
    AddPortBehindPlatformDevice("ttyS1", "serial8250");
    AddPortBehindPlatformDevice("ttyS4", "pnp-uart");
    Names asked;
    auto isPhantom = [&](const std::string&, const std::string& path) {
        asked.push_back(path);
        return path == "/dev/ttyS1";
    };
    EXPECT_EQ(ScanTtyDevices((root / "class").string(), "/dev", isPhantom),
              (Names{"/dev/ttyS0", "/dev/ttyS4"}));
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, (Names{"/dev/ttyS0", "/dev/ttyS1"}));
}

TEST_F(FakeSysClassTty, PortTypeFromSysfsDecidesAPlaceholder) {
    fs::create_directories(root / "ttyS1");
    std::ofstream(root / "ttyS1" / "type") << "0\n";
    fs::create_directories(root / "ttyS0");
    std::ofstream(root / "ttyS0" / "type") << "4\n";
    EXPECT_TRUE(IsPhantomSerial8250((root / "ttyS1").string(), "/dev/null"));
    EXPECT_FALSE(IsPhantomSerial8250((root / "ttyS0").string(), "/dev/null"));
    // Without the attribute the device is asked, and a missing one is no port.
    EXPECT_TRUE(IsPhantomSerial8250((root / "none").string(), (root / "no-device").string()));
}

TEST_F(FakeSysClassTty, MissingFolderGivesNoPorts) {
    EXPECT_TRUE(ScanTtyDevices((root / "absent").string(), "/dev",
                               [](const std::string&, const std::string&) { return false; })
                    .empty());
}

struct ExtraRow {
    const char* name;
    Names found;
    const char* extra;
    Names expected;
};

const ExtraRow kExtraRows[] = {
    {"none", {"/dev/ttyS0"}, "", {"/dev/ttyS0"}},
    {"in order", {"/dev/ttyS0"}, "/tmp/b:/tmp/a", {"/dev/ttyS0", "/tmp/b", "/tmp/a"}},
    {"empty parts", {}, "::/tmp/a::", {"/tmp/a"}},
    {"already found", {"/dev/ttyUSB0"}, "/dev/ttyUSB0:/tmp/a", {"/dev/ttyUSB0", "/tmp/a"}},
    {"twice", {}, "/tmp/a:/tmp/a", {"/tmp/a"}},
};

TEST(ExtraPorts, Table) {
    for (const ExtraRow& row : kExtraRows) {
        EXPECT_EQ(AppendExtraPorts(row.found, row.extra), row.expected) << row.name;
    }
}

TEST(ExtraPorts, ComeFromTheEnvironmentAfterTheSystemPorts) {
    setenv("DTUCONFIG_EXTRA_PORTS", "/tmp/dtu-sim-a::/tmp/dtu-sim-b", 1);
    Names ports = ListSerialPorts();
    unsetenv("DTUCONFIG_EXTRA_PORTS");
    ASSERT_GE(ports.size(), 2u);
    EXPECT_EQ(ports[ports.size() - 2], "/tmp/dtu-sim-a");
    EXPECT_EQ(ports.back(), "/tmp/dtu-sim-b");
}

struct DecimalRow {
    const char* text;
    std::optional<std::int64_t> value;
};

const DecimalRow kDecimalRows[] = {
    {"115200", 115200},
    {"0", 0},
    {"-1", -1},
    {"", std::nullopt},
    {"9600 ", std::nullopt},
    {" 9600", std::nullopt},
    {"+8", std::nullopt},
    {"8x", std::nullopt},
};

TEST(PortTexts, DecimalTable) {
    for (const DecimalRow& row : kDecimalRows) {
        EXPECT_EQ(ParseDecimal(row.text), row.value) << '"' << row.text << '"';
    }
}

TEST(PortTexts, ParityIgnoresLetterCase) {
    ASSERT_TRUE(ParityFromText("Even"));
    EXPECT_EQ(ParityFromText("Even")->parity, TParity::Even);
    EXPECT_TRUE(ParityFromText("Even")->check);
    EXPECT_FALSE(ParityFromText("none")->check);
    EXPECT_FALSE(ParityFromText("SPACE"));
    EXPECT_FALSE(ParityFromText(""));
}

}  // namespace
}  // namespace dtu::test
