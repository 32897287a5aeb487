#pragma once

#include <set>
#include <string>
#include <string_view>

#include "cli/json_writer.h"
#include "form/form_model.h"
#include "lang/atomic_write.h"

namespace dtu::cli {

// The form as a profile in INI: `comment` on a first comment line (none when
// empty), then every profile key section by section, values escaped as the
// settings file stores them. GBK bytes, LF line ends.
std::string ProfileIni(const FormModel& form, std::string_view comment);

// Who may read a profile file of the form: its owner only when it holds the
// cloud password.
FileAccess ProfileFileAccess(const FormModel& form);

// The form as one JSON object per section, keys without their blanks, each
// value as its JSON type shows it (json_value.h); the fields of `unknown` as null.
void WriteProfileJson(const FormModel& form, JsonWriter& json, const std::set<Field>& unknown = {});

}  // namespace dtu::cli
