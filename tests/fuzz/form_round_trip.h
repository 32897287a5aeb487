#pragma once

#include <filesystem>

#include "form/form_model.h"
#include "form/form_settings.h"
#include "lang/gbk.h"
#include "settings/ini_file.h"
#include "settings/ini_value.h"
#include "tests/fuzz/scratch_file.h"

namespace dtu::fuzz {

// The form saved to a settings file and loaded into a fresh form: every value
// comes back as it was, and the window's conversion of every text gives it back
// byte for byte. An item nothing was selected in loads as its default; a line
// break in a one-line text comes back as the characters that name it.
inline void CheckFormRoundTrip(const FormModel& form) {
    const ScratchFile file;
    IniFile saved(file.Path());
    SaveFormSettings(form, saved);
    Check(!saved.Save().has_value());
    FormModel loaded;
    LoadFormSettings(IniFile(file.Path()), loaded);
    for (const FieldRow& row : FormFields()) {
        if (row.section == nullptr) {
            continue;
        }
        switch (row.kind) {
            case FieldKind::Text:
            case FieldKind::Memo: {
                const std::string& text = form.Text(row.field);
                Check(Utf8ToGbk(GbkToUtf8(text)) == text);
                const std::string kept = row.kind == FieldKind::Memo
                                             ? text
                                             : UnescapeOneLineIniValue(EscapeIniValue(text));
                // The APN value of the first two choices is the choice's own.
                Check(loaded.Text(row.field) == kept ||
                      (row.field == Field::Apn && form.Item(Field::ApnChoice) != kApnOtherChoice));
                break;
            }
            case FieldKind::Item: {
                const int item = form.Item(row.field);
                Check(loaded.Item(row.field) == (item >= 0 ? item : std::stoi(row.defaultValue)));
                break;
            }
            case FieldKind::Tick:
                Check(loaded.Tick(row.field) == form.Tick(row.field));
                break;
        }
    }
}

}  // namespace dtu::fuzz
