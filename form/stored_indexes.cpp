#include "form/stored_indexes.h"

#include "form/form_fields.h"
#include "form/form_model.h"
#include "form/form_profile.h"
#include "settings/ini_value.h"

namespace dtu {

namespace {

// A value the reader takes as an item: an integer within [0, count).
bool IsItem(const std::string& stored, int count) {
    const std::optional<std::int64_t> index = ParseIniInteger(stored);
    return index && *index >= 0 && *index < count;
}

void CheckKey(const IniFile& file, const char* section, const char* key, int count, int fallback,
              std::vector<IndexOutsideList>& found) {
    // No stored value holds a line end: this default tells a missing key.
    std::string stored = file.ReadString(section, key, "\n");
    if (stored != "\n" && !IsItem(stored, count)) {
        found.push_back({section, key, std::move(stored), fallback});
    }
}

}  // namespace

std::vector<IndexOutsideList> IndexesOutsideLists(const IniFile& file, bool profile) {
    std::vector<IndexOutsideList> found;
    if (profile) {
        const FieldRow& workMode = RowOf(Field::WorkMode);
        CheckKey(file, kWorkModeKey.section, kWorkModeKey.key, ItemCount(workMode),
                 std::stoi(workMode.defaultValue), found);
        CheckKey(file, kViewKey.section, kViewKey.key, kViewCount, kFullView, found);
    }
    for (const FieldRow& row : FormFields()) {
        if (row.section != nullptr && row.kind == FieldKind::Item) {
            CheckKey(file, row.section, row.key, ItemCount(row), std::stoi(row.defaultValue),
                     found);
        }
    }
    return found;
}

}  // namespace dtu
