#pragma once

#include <string>
#include <vector>

#include "form/form_model.h"
#include "settings/ini_file.h"

namespace dtu {

// A profile is what write all needs to configure a device: the settings file's
// form keys plus two keys the settings file does not keep, the work mode and the
// view. Both sit in "COMMON" and default to data transmission and the full view,
// so a settings file is a valid profile, and the tool, reading only its own keys,
// takes a profile as its settings file.
struct ProfileKey {
    const char* section;
    const char* key;
};
inline constexpr ProfileKey kWorkModeKey{"COMMON", "WorkMode"};
inline constexpr ProfileKey kViewKey{"COMMON", "View"};
inline constexpr int kViewCount = 2;

// One key of a profile and its value as the file stores it, before escaping.
struct ProfileEntry {
    const char* section;
    const char* key;
    FieldKind kind;
    std::string value;
    bool operator==(const ProfileEntry&) const = default;
};

// The most a profile file may hold: many times a full one, small enough that
// reading it costs little time and memory.
inline constexpr std::size_t kProfileMaxBytes = 1024 * 1024;

// Every key of a profile, section by section, valued from `form`.
std::vector<ProfileEntry> ProfileEntries(const FormModel& form);

// The form keys as the settings file loads them, then the work mode and the
// view; a missing key or an index outside its list gives the default.
void LoadProfile(const IniFile& file, FormModel& form);
// Every key of ProfileEntries; the file's other keys stay.
void SaveProfile(const FormModel& form, IniFile& file);

}  // namespace dtu
