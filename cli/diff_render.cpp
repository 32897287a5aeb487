#include "cli/diff_render.h"

#include "cli/json_value.h"
#include "cli/json_writer.h"
#include "cli/key_label.h"
#include "cli/terminal_text.h"
#include "form/form_profile.h"
#include "lang/gbk.h"

namespace dtu::cli {

namespace {

std::string ShownValue(const std::string& gbk) {
    return gbk.empty() ? std::string("\"\"") : PrintableText(gbk);
}

std::string Prefix(const std::string& port) {
    return port.empty() ? std::string() : EscapedText(port) + ": ";
}

}  // namespace

std::string DifferenceLines(const std::vector<FieldDifference>& differences,
                            const std::string& port) {
    std::string text;
    for (const FieldDifference& difference : differences) {
        text += Prefix(port) + LabelledKey(ProfileKeyName(difference.field)) + ": ";
        text += difference.notRead
                    ? std::string("not read")
                    : ShownValue(difference.device) + " -> " + ShownValue(difference.form);
        text += '\n';
    }
    return text;
}

std::string DryRunText(const std::vector<std::string>& lines, const std::string& port) {
    std::string text;
    for (const std::string& line : lines) {
        text += Prefix(port) + PrintableText(line) + '\n';
    }
    return text;
}

std::string DiffJson(const std::vector<DiffEntry>& devices) {
    JsonWriter json;
    json.BeginObject().Key("devices").BeginArray();
    for (const DiffEntry& device : devices) {
        json.BeginObject();
        json.Key("port").String(device.result.port);
        json.Key("outcome").String(VerdictName(device.result.verdict));
        json.Key("firmware").String(GbkToUtf8(device.result.firmware));
        json.Key("differences").BeginArray();
        for (const FieldDifference& difference : device.differences) {
            if (difference.notRead) {
                continue;
            }
            const JsonType type = JsonTypeOf(difference.field);
            json.BeginObject().Key("key").String(ProfileKeyName(difference.field));
            WriteJsonValue(json.Key("device"), type, difference.device);
            WriteJsonValue(json.Key("profile"), type, difference.form);
            json.EndObject();
        }
        json.EndArray().Key("notRead").BeginArray();
        for (const FieldDifference& difference : device.differences) {
            if (difference.notRead) {
                json.String(ProfileKeyName(difference.field));
            }
        }
        json.EndArray().EndObject();
    }
    json.EndArray().EndObject();
    return json.Text();
}

}  // namespace dtu::cli
