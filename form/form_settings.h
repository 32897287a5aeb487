#pragma once

#include <string>

#include "form/form_model.h"
#include "settings/ini_file.h"

namespace dtu {

// The form's keys of the settings file, read as the file's order of loading
// asks; a missing key or an item index outside its list gives the default.
void LoadFormSettings(const IniFile& file, FormModel& form);
// Every form key into the file, in the order of the file; IniFile::Save writes it.
void SaveFormSettings(const FormModel& form, IniFile& file);
// The value of `row` as the file stores it, before escaping: a text as it is,
// an item index in decimal, a tick as "1" or "0".
std::string StoredText(const FormModel& form, const FieldRow& row);

}  // namespace dtu
