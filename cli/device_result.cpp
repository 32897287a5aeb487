#include "cli/device_result.h"

#include <algorithm>
#include <cstdio>

#include "cli/json_value.h"
#include "cli/json_writer.h"
#include "cli/key_label.h"
#include "cli/terminal_text.h"
#include "lang/gbk.h"

namespace dtu::cli {

namespace {

struct VerdictRow {
    Verdict verdict;
    const char* name;
};

constexpr VerdictRow kVerdicts[] = {
    {Verdict::Success, "success"},
    {Verdict::Incomplete, "incomplete"},
    {Verdict::Refused, "refused"},
    {Verdict::NoAnswer, "no-answer"},
    {Verdict::Garbled, "unreadable-answers"},
    {Verdict::PortLost, "port-lost"},
    {Verdict::NotOpen, "not-open"},
    {Verdict::ReopenFailed, "reopen-failed"},
    {Verdict::Interrupted, "interrupted"},
    {Verdict::Mismatch, "mismatch"},
    {Verdict::OpenFailed, "open-failed"},
    {Verdict::NotStarted, "not-started"},
    {Verdict::Differs, "differs"},
};

struct RunEndRow {
    RunEnd end;
    Verdict verdict;
};

constexpr RunEndRow kRunEnds[] = {
    {RunEnd::Success, Verdict::Success},         {RunEnd::Incomplete, Verdict::Incomplete},
    {RunEnd::NoAnswer, Verdict::NoAnswer},       {RunEnd::PortLost, Verdict::PortLost},
    {RunEnd::NotOpen, Verdict::NotOpen},         {RunEnd::ReopenFailed, Verdict::ReopenFailed},
    {RunEnd::Interrupted, Verdict::Interrupted}, {RunEnd::Garbled, Verdict::Garbled},
};

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", seconds);
    return text;
}

std::string Details(const DeviceResult& result) {
    std::string details;
    auto add = [&details](const std::string& part) {
        details += (details.empty() ? "" : "; ") + part;
    };
    for (const RefusedSetting& refused : result.refused) {
        std::string keys;
        for (const std::string& key : refused.keys) {
            keys += (keys.empty() ? " (" : ", ") + LabelledKey(key);
        }
        add("refused " + refused.command + keys + (keys.empty() ? "" : ")"));
    }
    for (const std::string& name : result.unreadable) {
        add("unreadable reply to " + name);
    }
    for (const std::string& name : result.notRead) {
        add("not read " + name);
    }
    for (const Mismatch& mismatch : result.mismatches) {
        const std::string read = mismatch.missing
                                     ? "read back: nothing"
                                     : "read \"" + PrintableText(mismatch.found) + "\"";
        add(LabelledKey(mismatch.key) + " written \"" + PrintableText(mismatch.wanted) + "\", " +
            read);
    }
    for (const Mismatch& change : result.hiddenChanges) {
        add("hidden by the compact view: " + LabelledKey(change.key) + " \"" +
            PrintableText(change.found) + "\" -> \"" + PrintableText(change.wanted) + "\"");
    }
    if (!result.answer.empty()) {
        add("answer \"" + PrintableText(result.answer) + "\"");
    }
    if (!result.reason.empty()) {
        add(result.reason);
    }
    return details;
}

}  // namespace

std::string_view VerdictName(Verdict verdict) {
    for (const VerdictRow& row : kVerdicts) {
        if (row.verdict == verdict) {
            return row.name;
        }
    }
    return "unknown";
}

Verdict VerdictOf(RunEnd end) {
    for (const RunEndRow& row : kRunEnds) {
        if (row.end == end) {
            return row.verdict;
        }
    }
    return Verdict::Incomplete;
}

std::string PrintableText(std::string_view gbk) {
    return EscapedText(GbkToUtf8(gbk));
}

std::string ResultLine(const DeviceResult& result) {
    std::string line = result.port + ": " + std::string(VerdictName(result.verdict));
    if (result.verdict != Verdict::Success && !result.stage.empty()) {
        line += " in " + result.stage;
    }
    const std::string details = Details(result);
    if (!details.empty()) {
        line += ": " + details;
    }
    std::string figures;
    if (!result.firmware.empty()) {
        figures = "firmware " + PrintableText(result.firmware) + ", ";
    }
    // The port and the reason echo what was given, the lines what was sent.
    return EscapedText(line) + " (" + figures + Seconds(result.seconds) + ")";
}

std::string SummaryLine(const std::vector<DeviceResult>& results, double seconds) {
    const auto succeeded = std::count_if(results.begin(), results.end(), [](const auto& result) {
        return result.verdict == Verdict::Success;
    });
    const auto failed = static_cast<std::ptrdiff_t>(results.size()) - succeeded;
    return std::to_string(results.size()) + (results.size() == 1 ? " device: " : " devices: ") +
           std::to_string(succeeded) + " succeeded, " + std::to_string(failed) + " failed, in " +
           Seconds(seconds);
}

void WriteDeviceFields(JsonWriter& json, const DeviceResult& result) {
    json.Key("port").String(result.port);
    json.Key("outcome").String(VerdictName(result.verdict));
    json.Key("stage").String(result.stage);
    json.Key("firmware").String(GbkToUtf8(result.firmware));
    json.Key("seconds").Number(result.seconds, 3);
    json.Key("line").String(result.line);
    json.Key("refused").BeginArray();
    for (const RefusedSetting& refused : result.refused) {
        json.BeginObject().Key("command").String(refused.command);
        json.Key("keys").BeginArray();
        for (const std::string& key : refused.keys) {
            json.String(key);
        }
        json.EndArray().EndObject();
    }
    json.EndArray();
    json.Key("unreadable").BeginArray();
    for (const std::string& name : result.unreadable) {
        json.String(name);
    }
    json.EndArray();
    json.Key("notRead").BeginArray();
    for (const std::string& name : result.notRead) {
        json.String(name);
    }
    json.EndArray();
    json.Key("mismatches").BeginArray();
    for (const Mismatch& mismatch : result.mismatches) {
        json.BeginObject().Key("key").String(mismatch.key);
        WriteJsonValue(json.Key("written"), mismatch.json, mismatch.wanted);
        if (mismatch.missing) {
            json.Key("read").Null();
        } else {
            WriteJsonValue(json.Key("read"), mismatch.json, mismatch.found);
        }
        json.EndObject();
    }
    json.EndArray();
    json.Key("hiddenChanges").BeginArray();
    for (const Mismatch& change : result.hiddenChanges) {
        json.BeginObject().Key("key").String(change.key);
        WriteJsonValue(json.Key("device"), change.json, change.found);
        WriteJsonValue(json.Key("written"), change.json, change.wanted);
        json.EndObject();
    }
    json.EndArray();
    json.Key("answer").String(GbkToUtf8(result.answer));
    json.Key("reason").String(result.reason);
}

std::string ReportJson(std::string_view command, const std::vector<DeviceResult>& results,
                       double seconds, std::string_view reason) {
    const auto succeeded = std::count_if(results.begin(), results.end(), [](const auto& result) {
        return result.verdict == Verdict::Success;
    });
    JsonWriter json;
    json.BeginObject();
    json.Key("command").String(command);
    json.Key("seconds").Number(seconds, 3);
    json.Key("succeeded").Integer(succeeded);
    json.Key("failed").Integer(static_cast<std::int64_t>(results.size()) - succeeded);
    if (!reason.empty()) {
        json.Key("reason").String(reason);
    }
    json.Key("devices").BeginArray();
    for (const DeviceResult& result : results) {
        json.BeginObject();
        WriteDeviceFields(json, result);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
    return json.Text();
}

}  // namespace dtu::cli
