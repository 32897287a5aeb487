#include "form/form_profile.h"

#include "form/form_settings.h"

namespace dtu {

namespace {

// A stored index outside [0, count) gives `fallback`.
int StoredIndex(const IniFile& file, const ProfileKey& key, int count, int fallback) {
    const std::int64_t stored = file.ReadInteger(key.section, key.key, fallback);
    return stored >= 0 && stored < count ? static_cast<int>(stored) : fallback;
}

}  // namespace

std::vector<ProfileEntry> ProfileEntries(const FormModel& form) {
    // The two profile keys lead "COMMON", the first section of the form keys.
    std::vector<ProfileEntry> entries = {
        {kWorkModeKey.section, kWorkModeKey.key, FieldKind::Item,
         std::to_string(form.Item(Field::cbb_WorkMode))},
        {kViewKey.section, kViewKey.key, FieldKind::Item, std::to_string(form.View())},
    };
    for (const FieldRow& row : FormFields()) {
        if (row.section != nullptr) {
            entries.push_back({row.section, row.key, row.kind, StoredText(form, row)});
        }
    }
    return entries;
}

void LoadProfile(const IniFile& file, FormModel& form) {
    LoadFormSettings(file, form);
    const FieldRow& workMode = RowOf(Field::cbb_WorkMode);
    form.SetItem(Field::cbb_WorkMode, StoredIndex(file, kWorkModeKey, ItemCount(workMode),
                                                  std::stoi(workMode.defaultValue)));
    form.SetView(StoredIndex(file, kViewKey, kViewCount, kFullView));
}

void SaveProfile(const FormModel& form, IniFile& file) {
    for (const ProfileEntry& entry : ProfileEntries(form)) {
        file.WriteString(entry.section, entry.key, entry.value);
    }
}

}  // namespace dtu
