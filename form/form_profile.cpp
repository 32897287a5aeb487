#include "form/form_profile.h"

#include "form/form_settings.h"

namespace dtu {

namespace {

// A stored index outside [0, count) gives `fallback`.
int StoredIndex(const IniFile& file, const ProfileKey& key, int count, int fallback) {
    const std::int64_t stored = file.ReadInteger(key.section, key.key, fallback);
    return stored >= 0 && stored < count ? static_cast<int>(stored) : fallback;
}

ProfileEntry EntryOf(const FormModel& form, const FieldRow& row, const ProfileKey& key) {
    const JsonType json = JsonTypeOf(row.field);
    std::string value = StoredText(form, row);
    const bool itemText = json == JsonType::ItemText || json == JsonType::ItemNumber;
    std::string shown = itemText ? form.ItemText(row.field) : value;
    return {key.section, key.key, row.kind, std::move(value), json, std::move(shown)};
}

}  // namespace

ProfileKey ProfileKeyOf(Field field) {
    if (field == Field::WorkMode) {
        return kWorkModeKey;
    }
    if (field == Field::CloudPassword) {
        return kCloudPasswordKey;
    }
    const FieldRow& row = RowOf(field);
    return {row.section, row.key};
}

std::string ProfileKeyName(Field field) {
    const ProfileKey key = ProfileKeyOf(field);
    return key.section == nullptr ? std::string() : std::string(key.section) + "/" + key.key;
}

std::vector<ProfileEntry> ProfileEntries(const FormModel& form) {
    // The work mode and the view lead "COMMON", the first section of the form
    // keys; the cloud password follows the cloud number.
    const std::string view = std::to_string(form.View());
    std::vector<ProfileEntry> entries = {
        EntryOf(form, RowOf(Field::WorkMode), kWorkModeKey),
        {kViewKey.section, kViewKey.key, FieldKind::Item, view, JsonType::Index, view},
    };
    for (const FieldRow& row : FormFields()) {
        if (row.section != nullptr) {
            entries.push_back(EntryOf(form, row, {row.section, row.key}));
        }
        if (row.field == Field::CloudNumber) {
            entries.push_back(EntryOf(form, RowOf(Field::CloudPassword), kCloudPasswordKey));
        }
    }
    return entries;
}

void LoadProfile(const IniFile& file, FormModel& form) {
    LoadFormSettings(file, form);
    const FieldRow& workMode = RowOf(Field::WorkMode);
    form.SetItem(Field::WorkMode, StoredIndex(file, kWorkModeKey, ItemCount(workMode),
                                              std::stoi(workMode.defaultValue)));
    form.SetView(StoredIndex(file, kViewKey, kViewCount, kFullView));
    form.SetText(Field::CloudPassword,
                 file.ReadString(kCloudPasswordKey.section, kCloudPasswordKey.key, ""));
}

void SaveProfile(const FormModel& form, IniFile& file) {
    for (const ProfileEntry& entry : ProfileEntries(form)) {
        file.WriteString(entry.section, entry.key, entry.value);
    }
}

}  // namespace dtu
