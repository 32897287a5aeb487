#include "cli/profile_render.h"

#include "cli/json_value.h"
#include "form/form_profile.h"
#include "settings/ini_value.h"

namespace dtu::cli {

std::string ProfileIni(const FormModel& form, std::string_view comment) {
    std::string text;
    if (!comment.empty()) {
        text += "; " + std::string(comment) + "\n";
    }
    std::string_view section;
    for (const ProfileEntry& entry : ProfileEntries(form)) {
        if (section != entry.section) {
            text += section.empty() ? "" : "\n";
            section = entry.section;
            text += "[" + std::string(section) + "]\n";
        }
        text += std::string(entry.key) + "=" + EscapeIniValue(entry.value) + "\n";
    }
    return text;
}

FileAccess ProfileFileAccess(const FormModel& form) {
    return form.Text(Field::CloudPassword).empty() ? FileAccess::Kept : FileAccess::OwnerOnly;
}

void WriteProfileJson(const FormModel& form, JsonWriter& json, const std::set<Field>& unknown) {
    std::set<std::string> unknownKeys;
    for (const Field field : unknown) {
        unknownKeys.insert(ProfileKeyName(field));
    }
    json.BeginObject();
    std::string_view section;
    for (const ProfileEntry& entry : ProfileEntries(form)) {
        if (section != entry.section) {
            if (!section.empty()) {
                json.EndObject();
            }
            section = entry.section;
            json.Key(section).BeginObject();
        }
        json.Key(JsonKeyName(entry.key));
        if (unknownKeys.contains(std::string(entry.section) + "/" + entry.key)) {
            json.Null();
        } else {
            WriteJsonValue(json, entry.json, entry.shown);
        }
    }
    json.EndObject().EndObject();
}

}  // namespace dtu::cli
