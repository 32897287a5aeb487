#pragma once

#include <string>
#include <vector>

#include "form/device_map.h"
#include "form/form_model.h"
#include "settings/ini_file.h"

namespace dtu {

// A profile is what write all needs to configure a device: the settings file's
// form keys plus three keys the settings file does not keep: the work mode and
// the view in "COMMON", defaulting to data transmission and the full view, so a
// settings file is a valid profile; and the cloud password in "DTM", empty
// (not sent) by default. The tool, reading only its own keys, takes a profile
// as its settings file.
struct ProfileKey {
    const char* section;
    const char* key;
};
inline constexpr ProfileKey kWorkModeKey{"COMMON", "WorkMode"};
inline constexpr ProfileKey kViewKey{"COMMON", "View"};
inline constexpr ProfileKey kCloudPasswordKey{"DTM", "CloudPassword"};
inline constexpr int kViewCount = 2;

// The profile key that holds `field`; {nullptr, nullptr} for a field no profile keeps.
ProfileKey ProfileKeyOf(Field field);
// The same as "SECTION/Key"; empty for a field no profile keeps.
std::string ProfileKeyName(Field field);

// One key of a profile and its value as the file stores it, before escaping;
// `shown` is the value JSON shows by `json`: an item's text for the lists
// whose texts the device sees, else the stored value.
struct ProfileEntry {
    const char* section;
    const char* key;
    FieldKind kind;
    std::string value;
    JsonType json = JsonType::Text;
    std::string shown;
    bool operator==(const ProfileEntry&) const = default;
};

// The most a profile file may hold: many times a full one, small enough that
// reading it costs little time and memory.
inline constexpr std::size_t kProfileMaxBytes = 1024 * 1024;

// Every key of a profile, section by section, valued from `form`.
std::vector<ProfileEntry> ProfileEntries(const FormModel& form);

// The form keys as the settings file loads them, then the work mode, the view
// and the cloud password; a missing key or an index outside its list gives the default.
void LoadProfile(const IniFile& file, FormModel& form);
// Every key of ProfileEntries; the file's other keys stay.
void SaveProfile(const FormModel& form, IniFile& file);

}  // namespace dtu
