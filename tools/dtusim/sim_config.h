#pragma once

#include <array>
#include <string>

namespace dtu::sim {

struct SocketConfig {
    std::string protocol;  // "TCP" or "UDP"
    std::string host;
    std::string port;  // empty when not set
    bool enabled = false;
    bool operator==(const SocketConfig&) const = default;
};

struct PacketConfig {
    std::string hex;  // the packet as hexadecimal text
    int option = 0;
    bool operator==(const PacketConfig&) const = default;
};

// Everything the device keeps, as running values or as saved values.
struct DeviceConfig {
    int baudRate = 115200;
    int icfFormat = 3;  // data and stop bits: 1 is 8/2, 3 is 8/1, 4 is 7/2, 5 is 7/1
    int icfParity = 3;  // 0 odd, 1 even, 3 none
    int workMode = 0;
    std::array<std::string, 3> apn{"CMNET", "", ""};
    std::array<std::string, 6> timing{"1", "50", "0", "10", "0", "1800"};
    std::array<PacketConfig, 2> packets{PacketConfig{"4C4F47", 0},
                                        PacketConfig{"4C4F47494E3A31303031", 0}};
    std::array<SocketConfig, 4> sockets{
        SocketConfig{"TCP", "dtu.example.net", "2317", true}, SocketConfig{"TCP", "", "", false},
        SocketConfig{"TCP", "", "", false}, SocketConfig{"TCP", "", "", false}};
    bool netAt = false;
    bool comAt = false;
    std::string smsNumber = "10086";
    bool cloudOn = false;
    std::string cloudId;
    std::string cloudPassword;
    bool cache = false;
    std::string reconnect = "5";
    std::string httpUrl;
    std::string httpHeader;
    std::string httpMethod = "GET";
    bool operator==(const DeviceConfig&) const = default;
};

// The device's own UART, as its baud rate and ICF code select it.
struct LineSettings {
    int baudRate = 115200;
    int dataBits = 8;
    char parity = 'N';  // 'N', 'O' or 'E'
    int stopBits = 1;
    bool operator==(const LineSettings&) const = default;
};

LineSettings LineSettingsOf(const DeviceConfig& config);

bool IsIcfFormat(int code);
bool IsIcfParity(int code);
bool IsStandardBaudRate(int rate);

}  // namespace dtu::sim
