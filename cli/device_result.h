#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/json_writer.h"
#include "cli/verify.h"
#include "protocol/run_outcome.h"

namespace dtu::cli {

// How one device's run ended.
enum class Verdict {
    Success,
    Incomplete,  // the device refused lines or sent replies that could not be read
    Refused,     // a direct send was answered with an error
    NoAnswer,
    Garbled,  // bytes came, never a final line
    PortLost,
    NotOpen,
    ReopenFailed,  // the PC port could not follow the device's new line settings
    Interrupted,
    Mismatch,  // written, but read back otherwise
    OpenFailed,
    NotStarted,  // another port could not be opened, so nothing was sent
    Differs,     // diff: the device does not hold the profile
};

std::string_view VerdictName(Verdict verdict);
Verdict VerdictOf(RunEnd end);

// A command the device refused, with the profile keys it carried.
struct RefusedSetting {
    std::string command;
    std::vector<std::string> keys;
    bool operator==(const RefusedSetting&) const = default;
};

// What became of one device. Texts from the device are GBK.
struct DeviceResult {
    std::string port;
    Verdict verdict = Verdict::NotStarted;
    std::string stage;  // the run it ended in: "write", "verify", "read", ...
    std::vector<RefusedSetting> refused;
    std::vector<std::string> unreadable;
    // Values an answer did not carry, by the line that names them ("NAME=1" for socket 1).
    std::vector<std::string> notRead;
    std::vector<Mismatch> mismatches;
    // A compact-view write: hidden settings it changed, `found` as the device
    // held them before, `wanted` as written.
    std::vector<Mismatch> hiddenChanges;
    std::string firmware;  // e.g. "V3.38"; empty when the device did not say
    std::string answer;    // send and version: the device's answer
    std::string reason;    // why the port could not be opened or followed (UTF-8)
    std::string line;      // the PC port's line settings at the end, e.g. "57600,NONE,8,2"
    double seconds = 0;
};

// Bytes for a terminal line: UTF-8, with CR, LF and other control bytes as \r, \n, \xHH.
std::string PrintableText(std::string_view gbk);

// "PORT: verdict ..." on one line, UTF-8.
std::string ResultLine(const DeviceResult& result);
// "N devices: S succeeded, F failed, in T s".
std::string SummaryLine(const std::vector<DeviceResult>& results, double seconds);
// One device's result as the report gives it, into an open JSON object;
// mismatched values as their JSON type shows them (json_value.h).
void WriteDeviceFields(JsonWriter& json, const DeviceResult& result);
// The report file: the command, the totals and every device's result, UTF-8 JSON.
// A command that ended before or without its runs says why in a top-level
// "reason" (bad arguments, bad profile, no port, interrupted, ...).
std::string ReportJson(std::string_view command, const std::vector<DeviceResult>& results,
                       double seconds, std::string_view reason = {});

}  // namespace dtu::cli
