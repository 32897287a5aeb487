#include "form/field_compare.h"

namespace dtu {

namespace {

bool CompactDataView(const FormModel& form) {
    return form.Item(Field::WorkMode) == kDataTransmissionMode && form.View() == kCompactView;
}

// The same values in the full view, without the couplings a window hangs on.
FormModel FullViewOf(const FormModel& form) {
    FormModel full = form;
    full.onChanged = nullptr;
    full.onStateChanged = nullptr;
    full.SetView(kFullView);
    return full;
}

bool Written(const DeviceFieldRow& row, const FormModel& form, const FormModel& full,
             bool familyTwo) {
    return HiddenByCompactView(row, form) ? IsSent(row, full, familyTwo)
                                          : IsSent(row, form, familyTwo);
}

}  // namespace

bool HiddenByCompactView(const DeviceFieldRow& row, const FormModel& form) {
    return row.compactValue != nullptr && CompactDataView(form);
}

bool WrittenByWriteAll(const DeviceFieldRow& row, const FormModel& form, bool familyTwo) {
    if (!HiddenByCompactView(row, form)) {
        return IsSent(row, form, familyTwo);
    }
    return IsSent(row, FullViewOf(form), familyTwo);
}

std::string WrittenValue(const DeviceFieldRow& row, const FormModel& form) {
    return HiddenByCompactView(row, form) ? std::string(row.compactValue) : SentValue(row, form);
}

std::vector<FieldDifference> CompareWithDevice(const FormModel& form, const FormModel& read,
                                               const std::set<std::string>& reported,
                                               bool familyTwo) {
    const FormModel full = FullViewOf(form);
    std::vector<FieldDifference> differences;
    for (const DeviceFieldRow& row : DeviceFields()) {
        if (*row.reply == '\0' || !Written(row, form, full, familyTwo)) {
            continue;
        }
        std::string written = WrittenValue(row, form);
        if (!reported.contains(row.reply)) {
            differences.push_back({row.field, {}, std::move(written), true});
            continue;
        }
        std::string device = SentValue(row, read);
        if (!SameValue(row.compare, written, device)) {
            differences.push_back({row.field, std::move(device), std::move(written), false});
        }
    }
    return differences;
}

std::vector<HiddenChange> HiddenChanges(const FormModel& form, const FormModel& lastRead,
                                        const std::set<std::string>& reported, bool familyTwo) {
    std::vector<HiddenChange> changes;
    for (FieldDifference& difference : CompareWithDevice(form, lastRead, reported, familyTwo)) {
        if (!difference.notRead && HiddenByCompactView(*DeviceRowOf(difference.field), form)) {
            changes.push_back(
                {difference.field, std::move(difference.device), std::move(difference.form)});
        }
    }
    return changes;
}

}  // namespace dtu
