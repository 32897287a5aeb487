#include "tools/dtusim/sim_commands.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "tools/dtusim/sim_text.h"

namespace dtu::sim {

namespace {

using Lines = std::vector<std::string>;

int ToInt(std::string_view digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

// A small number item, quoted or not, within [low, high].
std::optional<int> NumberIn(std::string_view item, int low, int high) {
    std::optional<std::string> text = Unquote(item);
    if (!text || !IsDigits(*text, 6)) {
        return std::nullopt;
    }
    int value = ToInt(*text);
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<bool> Flag(std::string_view item) {
    std::optional<int> value = NumberIn(item, 0, 1);
    if (!value) {
        return std::nullopt;
    }
    return *value == 1;
}

bool IsHexText(std::string_view text) {
    return text.size() % 2 == 0 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
           });
}

std::string Line(std::string_view name, std::string_view value) {
    std::string line = "+";
    line += name;
    line += ':';
    line += value;
    return line;
}

std::string Digit(bool on) {
    return on ? "1" : "0";
}

// Queries.

Lines QueryBaudRate(const DeviceConfig& c) {
    return {Line("CIPR", std::to_string(c.baudRate))};
}

Lines QueryIcf(const DeviceConfig& c) {
    return {Line("ICF", std::to_string(c.icfFormat) + "," + std::to_string(c.icfParity))};
}

Lines QueryWorkMode(const DeviceConfig& c) {
    return {Line("CIMOD", Quoted(std::to_string(c.workMode)))};
}

Lines QueryApn(const DeviceConfig& c) {
    return {Line("CSTT", Quoted(c.apn[0]) + "," + Quoted(c.apn[1]) + "," + Quoted(c.apn[2]))};
}

Lines QueryTiming(const DeviceConfig& c) {
    std::string value;
    for (const std::string& item : c.timing) {
        value += (value.empty() ? "" : ",") + item;
    }
    return {Line("CIPCFG", value)};
}

Lines QueryPackets(const DeviceConfig& c) {
    Lines lines;
    for (std::size_t i = 0; i < c.packets.size(); ++i) {
        const PacketConfig& p = c.packets[i];
        lines.push_back(Line(
            "CIPPACK", std::to_string(i) + "," + Quoted(p.hex) + "," + std::to_string(p.option)));
    }
    return lines;
}

Lines QuerySockets(const DeviceConfig& c) {
    Lines lines;
    for (std::size_t i = 0; i < c.sockets.size(); ++i) {
        const SocketConfig& s = c.sockets[i];
        lines.push_back(Line("CIPSTART", std::to_string(i + 1) + "," + Quoted(s.protocol) + "," +
                                             Quoted(s.host) + "," + s.port + "," +
                                             Digit(s.enabled)));
    }
    return lines;
}

Lines QueryNetAt(const DeviceConfig& c) {
    return {Line("CINETAT", Digit(c.netAt))};
}
Lines QueryComAt(const DeviceConfig& c) {
    return {Line("CICOMAT", Digit(c.comAt))};
}
Lines QuerySmsNumber(const DeviceConfig& c) {
    return {Line("CIPNUM", Quoted(c.smsNumber))};
}
Lines QueryCloudOn(const DeviceConfig& c) {
    return {Line("CLOUDEN", c.cloudOn ? "ON" : "OFF")};
}
Lines QueryCloudId(const DeviceConfig& c) {
    return {Line("CLOUDID", Quoted(c.cloudId))};
}
Lines QueryCloudPassword(const DeviceConfig& c) {
    return {Line("CLOUDPA", Quoted(c.cloudPassword))};
}
Lines QueryCache(const DeviceConfig& c) {
    return {Line("CACHE", Digit(c.cache))};
}
Lines QueryReconnect(const DeviceConfig& c) {
    return {Line("RESOC", c.reconnect)};
}
Lines QueryHttpUrl(const DeviceConfig& c) {
    return {Line("HTPURL", Quoted(c.httpUrl))};
}
Lines QueryHttpHeader(const DeviceConfig& c) {
    return {Line("HTPHD", Quoted(c.httpHeader))};
}
Lines QueryHttpMethod(const DeviceConfig& c) {
    return {Line("HTPTP", c.httpMethod)};
}

// The whole socket configuration at once; sockets come before the work mode.
Lines QueryAllSockets(const DeviceConfig& c) {
    Lines lines;
    for (auto query : {QueryTiming, QueryPackets, QuerySockets, QueryWorkMode, QueryNetAt,
                       QueryComAt, QueryApn, QuerySmsNumber}) {
        Lines part = query(c);
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}

// Sets. Each checks the whole value before it changes anything.

bool SetBaudRate(DeviceConfig& c, std::string_view value) {
    if (!IsDigits(value, 6) || !IsStandardBaudRate(ToInt(value))) {
        return false;
    }
    c.baudRate = ToInt(value);
    return true;
}

bool SetIcf(DeviceConfig& c, std::string_view value) {
    Lines items = SplitItems(value);
    if (items.size() != 2 || !IsDigits(items[0], 1) || !IsDigits(items[1], 1) ||
        !IsIcfFormat(ToInt(items[0])) || !IsIcfParity(ToInt(items[1]))) {
        return false;
    }
    c.icfFormat = ToInt(items[0]);
    c.icfParity = ToInt(items[1]);
    return true;
}

bool SetWorkMode(DeviceConfig& c, std::string_view value) {
    std::optional<int> mode = NumberIn(value, 0, 4);
    if (!mode || SplitItems(value).size() != 1) {
        return false;
    }
    c.workMode = *mode;
    return true;
}

bool SetApn(DeviceConfig& c, std::string_view value) {
    Lines items = SplitItems(value);
    if (value.empty() || items.size() > c.apn.size()) {
        return false;
    }
    std::array<std::string, 3> apn;
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::optional<std::string> text = Unquote(items[i]);
        if (!text) {
            return false;
        }
        apn[i] = *text;
    }
    c.apn = apn;
    return true;
}

bool SetTiming(DeviceConfig& c, std::string_view value) {
    Lines items = SplitItems(value);
    if (items.size() != c.timing.size() ||
        !std::all_of(items.begin(), items.end(),
                     [](const std::string& i) { return IsDigits(i); })) {
        return false;
    }
    std::copy(items.begin(), items.end(), c.timing.begin());
    return true;
}

bool SetPacket(DeviceConfig& c, std::string_view value) {
    Lines items = SplitItems(value);
    if (items.size() != 3) {
        return false;
    }
    std::optional<int> index = NumberIn(items[0], 0, 1);
    std::optional<std::string> hex = Unquote(items[1]);
    std::optional<int> option = NumberIn(items[2], 0, 1);
    if (!index || !hex || !IsHexText(*hex) || !option) {
        return false;
    }
    c.packets[static_cast<std::size_t>(*index)] = PacketConfig{*hex, *option};
    return true;
}

bool SetSocket(DeviceConfig& c, std::string_view value) {
    Lines items = SplitItems(value);
    if (items.size() != 5) {
        return false;
    }
    std::optional<int> number = NumberIn(items[0], 1, 4);
    std::optional<std::string> protocol = Unquote(items[1]);
    std::optional<std::string> host = Unquote(items[2]);
    const std::string& port = items[3];
    std::optional<bool> enabled = Flag(items[4]);
    if (!number || !protocol || !host || !enabled) {
        return false;
    }
    std::transform(protocol->begin(), protocol->end(), protocol->begin(),
                   [](char ch) { return ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch; });
    if ((*protocol != "TCP" && *protocol != "UDP") ||
        (!port.empty() && (!IsDigits(port, 5) || ToInt(port) > 65535))) {
        return false;
    }
    c.sockets[static_cast<std::size_t>(*number - 1)] =
        SocketConfig{*protocol, *host, port, *enabled};
    return true;
}

bool SetFlag(bool& target, std::string_view value) {
    std::optional<bool> on = Flag(value);
    if (!on) {
        return false;
    }
    target = *on;
    return true;
}

bool SetNetAt(DeviceConfig& c, std::string_view value) {
    return SetFlag(c.netAt, value);
}
bool SetComAt(DeviceConfig& c, std::string_view value) {
    return SetFlag(c.comAt, value);
}
bool SetCache(DeviceConfig& c, std::string_view value) {
    return SetFlag(c.cache, value);
}

bool SetSmsNumber(DeviceConfig& c, std::string_view value) {
    std::optional<std::string> number = Unquote(value);
    if (!number || !IsPhoneNumber(*number)) {
        return false;
    }
    c.smsNumber = *number;
    return true;
}

bool SetCloudOn(DeviceConfig& c, std::string_view value) {
    if (value != "ON" && value != "OFF") {
        return false;
    }
    c.cloudOn = value == "ON";
    return true;
}

bool SetText(std::string& target, std::string_view value) {
    std::optional<std::string> text = Unquote(value);
    if (!text) {
        return false;
    }
    target = *text;
    return true;
}

bool SetCloudId(DeviceConfig& c, std::string_view value) {
    return SetText(c.cloudId, value);
}
bool SetCloudPassword(DeviceConfig& c, std::string_view value) {
    return SetText(c.cloudPassword, value);
}
bool SetHttpUrl(DeviceConfig& c, std::string_view value) {
    return SetText(c.httpUrl, value);
}
bool SetHttpHeader(DeviceConfig& c, std::string_view value) {
    return SetText(c.httpHeader, value);
}

bool SetReconnect(DeviceConfig& c, std::string_view value) {
    if (!IsDigits(value, 5)) {
        return false;
    }
    c.reconnect = std::to_string(ToInt(value));
    return true;
}

bool SetHttpMethod(DeviceConfig& c, std::string_view value) {
    if (value != "GET" && value != "POST") {
        return false;
    }
    c.httpMethod = value;
    return true;
}

constexpr int kCloudFirmware = 338;

constexpr Parameter kParameters[] = {
    {"CIPR", 0, QueryBaudRate, SetBaudRate},
    {"ICF", 0, QueryIcf, SetIcf},
    {"CIMOD", 0, QueryWorkMode, SetWorkMode},
    {"CSTT", 0, QueryApn, SetApn},
    {"CIPCFG", 0, QueryTiming, SetTiming},
    {"CIPPACK", 0, QueryPackets, SetPacket},
    {"CIPSCONT", 0, QueryAllSockets, SetSocket},
    {"CIPSTART", 0, QuerySockets, nullptr},
    {"CINETAT", 0, QueryNetAt, SetNetAt},
    {"CICOMAT", 0, QueryComAt, SetComAt},
    {"CIPNUM", 0, QuerySmsNumber, SetSmsNumber},
    {"CLOUDEN", kCloudFirmware, QueryCloudOn, SetCloudOn},
    {"CLOUDID", kCloudFirmware, QueryCloudId, SetCloudId},
    {"CLOUDPA", kCloudFirmware, QueryCloudPassword, SetCloudPassword},
    {"CACHE", kCloudFirmware, QueryCache, SetCache},
    {"RESOC", kCloudFirmware, QueryReconnect, SetReconnect},
    {"HTPURL", kCloudFirmware, QueryHttpUrl, SetHttpUrl},
    {"HTPHD", kCloudFirmware, QueryHttpHeader, SetHttpHeader},
    {"HTPTP", kCloudFirmware, QueryHttpMethod, SetHttpMethod},
};

}  // namespace

const Parameter* FindParameter(std::string_view name) {
    for (const Parameter& parameter : kParameters) {
        if (parameter.name == name) {
            return &parameter;
        }
    }
    return nullptr;
}

}  // namespace dtu::sim
