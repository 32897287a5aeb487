#include "form/form_settings.h"

#include <string>
#include <vector>

namespace dtu {

namespace {

int StoredItem(const IniFile& file, const FieldRow& row) {
    const int fallback = std::stoi(row.defaultValue);
    const std::int64_t stored = file.ReadInteger(row.section, row.key, fallback);
    // An index the list does not have would leave the box blank and write all
    // would send a value the form does not show.
    return stored >= 0 && stored < ItemCount(row) ? static_cast<int>(stored) : fallback;
}

void LoadRow(const IniFile& file, const FieldRow& row, FormModel& form) {
    switch (row.kind) {
        case FieldKind::Text:
        case FieldKind::Memo:
            if (row.field == Field::Apn && form.Item(Field::ApnChoice) != kApnOtherChoice) {
                return;  // the first two choices stand for their own value
            }
            form.SetText(row.field, row.kind == FieldKind::Memo
                                        ? file.ReadMultiLine(row.section, row.key, row.defaultValue)
                                        : file.ReadString(row.section, row.key, row.defaultValue));
            break;
        case FieldKind::Item:
            if (row.field == Field::ApnChoice) {
                form.ChooseApn(StoredItem(file, row));
            } else {
                form.SetItem(row.field, StoredItem(file, row));
            }
            break;
        case FieldKind::Tick:
            form.SetTick(row.field,
                         file.ReadBool(row.section, row.key, row.defaultValue[0] == '1'));
            break;
    }
}

}  // namespace

void LoadFormSettings(const IniFile& file, FormModel& form) {
    std::vector<const FieldRow*> waiting;
    for (const FieldRow& row : FormFields()) {
        if (row.section == nullptr) {
            continue;
        }
        if (row.step == LoadStep::AfterHexBoxes) {
            waiting.push_back(&row);
            continue;
        }
        LoadRow(file, row, form);
        if (row.step == LoadStep::LastHexBox) {
            for (const FieldRow* packet : waiting) {
                LoadRow(file, *packet, form);
            }
        }
    }
}

void SaveFormSettings(const FormModel& form, IniFile& file) {
    for (const FieldRow& row : FormFields()) {
        if (row.section != nullptr) {
            file.WriteString(row.section, row.key, StoredText(form, row));
        }
    }
}

std::string StoredText(const FormModel& form, const FieldRow& row) {
    switch (row.kind) {
        case FieldKind::Item:
            return std::to_string(form.Item(row.field));
        case FieldKind::Tick:
            return form.Tick(row.field) ? "1" : "0";
        case FieldKind::Text:
        case FieldKind::Memo:
            break;
    }
    return form.Text(row.field);
}

}  // namespace dtu
