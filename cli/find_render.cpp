#include "cli/find_render.h"

#include <cstdio>

#include "cli/device_result.h"
#include "cli/json_writer.h"
#include "cli/port_info.h"
#include "cli/terminal_text.h"
#include "lang/gbk.h"

namespace dtu::cli {

namespace {

struct EndName {
    FindEnd end;
    const char* name;
};

constexpr EndName kEndNames[] = {
    {FindEnd::Found, "found"},         {FindEnd::NotFound, "not-found"},
    {FindEnd::PortLost, "port-lost"},  {FindEnd::PortFailed, "port-failed"},
    {FindEnd::Cancelled, "cancelled"},
};

std::string SecondsToTenths(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

std::string Tried(const FindResult& result) {
    const std::size_t count = result.outcome.tried.size();
    return std::to_string(count) + (count == 1 ? " setting" : " settings");
}

}  // namespace

std::string SettingText(const FindTry& setting) {
    return setting.baudRate + "," + setting.parity + "," + setting.dataBits + "," +
           setting.stopBits;
}

std::string_view FindEndName(FindEnd end) {
    for (const EndName& row : kEndNames) {
        if (row.end == end) {
            return row.name;
        }
    }
    return "unknown";
}

std::string FindLine(const FindResult& result) {
    const FindOutcome& outcome = result.outcome;
    const std::string port = EscapedText(result.port) + ": ";
    switch (outcome.end) {
        case FindEnd::Found: {
            std::string notes;
            if (!outcome.firmware.empty()) {
                notes = "firmware " + PrintableText(outcome.firmware);
            }
            if (outcome.found.escape) {
                notes += std::string(notes.empty() ? "" : ", ") +
                         "was in data mode, now in command mode";
            }
            const std::string line =
                outcome.found.setLine ? SettingText(outcome.found) : "the server's line settings";
            return port + line + (notes.empty() ? "" : " (" + notes + ")") + ", found in " +
                   SecondsToTenths(result.seconds);
        }
        case FindEnd::NotFound:
            return port + "no device answered (tried " + Tried(result) + " in " +
                   SecondsToTenths(result.seconds) + ")";
        case FindEnd::PortFailed:
            return EscapedText(ExplainOpenFailure(outcome.portError));
        case FindEnd::PortLost:
            return port + "the port was lost after " + Tried(result);
        case FindEnd::Cancelled:
            return port + "interrupted after " + Tried(result);
    }
    return port;
}

std::string FindJson(const std::vector<FindResult>& results) {
    JsonWriter json;
    json.BeginArray();
    for (const FindResult& result : results) {
        const FindOutcome& outcome = result.outcome;
        json.BeginObject();
        json.Key("port").String(result.port);
        json.Key("outcome").String(FindEndName(outcome.end));
        json.Key("line");
        if (outcome.end == FindEnd::Found) {
            json.BeginObject();
            json.Key("baudRate").String(outcome.found.baudRate);
            json.Key("parity").String(outcome.found.parity);
            json.Key("dataBits").String(outcome.found.dataBits);
            json.Key("stopBits").String(outcome.found.stopBits);
            json.EndObject();
        } else {
            json.Null();
        }
        json.Key("firmware").String(GbkToUtf8(outcome.firmware));
        json.Key("dataMode").Bool(outcome.end == FindEnd::Found && outcome.found.escape);
        json.Key("tried").Integer(static_cast<std::int64_t>(outcome.tried.size()));
        json.Key("seconds").Number(result.seconds, 3);
        if (outcome.end == FindEnd::PortFailed) {
            json.Key("reason").String(ExplainOpenFailure(outcome.portError));
        }
        json.EndObject();
    }
    json.EndArray();
    return json.Text();
}

}  // namespace dtu::cli
