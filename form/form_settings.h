#pragma once

#include "form/form_model.h"
#include "settings/ini_file.h"

namespace dtu {

// The form's keys of the settings file, read as the file's order of loading
// asks; a missing key or an item index outside its list gives the default.
void LoadFormSettings(const IniFile& file, FormModel& form);
// Every form key into the file, in the order of the file; IniFile::Save writes it.
void SaveFormSettings(const FormModel& form, IniFile& file);

}  // namespace dtu
