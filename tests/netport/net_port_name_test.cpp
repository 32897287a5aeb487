#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "serial/net_port_name.h"
#include "serial/port_scan.h"

namespace dtu {
namespace {

TEST(NetPortNameTest, NamesParseIntoProtocolHostAndPort) {
    struct Row {
        const char* name;
        std::optional<NetPortName> parsed;
    };
    const Row rows[] = {
        {"rfc2217://10.0.0.5:2001", NetPortName{NetProtocol::Rfc2217, "10.0.0.5", 2001}},
        {"socket://cabinet-7.example:4001",
         NetPortName{NetProtocol::RawTcp, "cabinet-7.example", 4001}},
        {"socket://[fe80::1%eth0]:65535", NetPortName{NetProtocol::RawTcp, "fe80::1%eth0", 65535}},
        {"rfc2217://[::1]:7", NetPortName{NetProtocol::Rfc2217, "::1", 7}},
        {"/dev/ttyUSB0", std::nullopt},
        {"RFC2217://h:1", std::nullopt},
        {"rfc2217://h", std::nullopt},
        {"rfc2217://h:", std::nullopt},
        {"rfc2217://:2000", std::nullopt},
        {"rfc2217://h:0", std::nullopt},
        {"rfc2217://h:65536", std::nullopt},
        {"rfc2217://h:20x0", std::nullopt},
        {"socket://::1:2000", std::nullopt},  // IPv6 only in brackets
        {"socket://[::1:2000", std::nullopt},
        {"socket://[::1]2000", std::nullopt},
        {"socket://h st:2000", std::nullopt},
        {"socket://h/x:2000", std::nullopt},
    };
    for (const Row& row : rows) {
        const std::optional<NetPortName> parsed = ParseNetPortName(row.name);
        ASSERT_EQ(parsed.has_value(), row.parsed.has_value()) << row.name;
        if (parsed) {
            EXPECT_EQ(parsed->protocol, row.parsed->protocol) << row.name;
            EXPECT_EQ(parsed->host, row.parsed->host) << row.name;
            EXPECT_EQ(parsed->port, row.parsed->port) << row.name;
        }
    }
}

TEST(NetPortNameTest, ExtraPortListsKeepNetworkNamesWhole) {
    struct Row {
        const char* extra;
        std::vector<std::string> ports;
    };
    const Row rows[] = {
        {"/dev/pts/3:rfc2217://10.0.0.5:2001:/dev/pts/4",
         {"/dev/pts/3", "rfc2217://10.0.0.5:2001", "/dev/pts/4"}},
        {"socket://[::1]:4001:socket://h:1", {"socket://[::1]:4001", "socket://h:1"}},
        {"rfc2217://h:1:rfc2217://h:1", {"rfc2217://h:1"}},
        {"socket://[::1", {"socket://[::1"}},  // kept whole so its open says what is wrong
        {"::/dev/pts/1:", {"/dev/pts/1"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(AppendExtraPorts({}, row.extra), row.ports) << row.extra;
    }
}

}  // namespace
}  // namespace dtu
