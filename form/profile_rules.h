#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/device_map.h"
#include "form/form_model.h"
#include "lang/file_io.h"
#include "settings/ini_file.h"

namespace dtu {

// Why a profile cannot be written as it stands.
enum class ProfileFault : std::uint8_t {
    BadTick,       // a tick other than 0 or 1
    BrokenValue,   // a value that breaks `rule`
    GivenTwice,    // a key given twice: either value may be meant
    NoProfileKey,  // the file holds none of the profile's keys
};

// One fault of a profile; the front ends word it.
struct ProfileProblem {
    ProfileFault fault;
    std::string key;       // "SECTION/Key"; the key as written for GivenTwice; else empty
    std::size_t line = 0;  // 1 for the first line; 0: the key is missing (its default counts)
    std::string value;     // as loaded (GBK)
    ValueRule rule = ValueRule::Text;
    std::size_t firstLine = 0;  // GivenTwice: where the key first stands
    bool operator==(const ProfileProblem&) const = default;
};

// The sections whose keys a profile holds, for the words of NoProfileKey.
inline constexpr std::string_view kProfileSections = "COMMON, DTM, HCM, STM";

// Checks `form`, loaded from `file` whose bytes are `text`, as write all would
// send it: every value it sends keeps its rule; ticks are 0 or 1; no value
// holds a control byte; every list key is an item of its list; no key is given
// twice. A file with none of the profile keys is wrong as a whole. The
// problems come in the order of the file's lines.
std::vector<ProfileProblem> CheckProfile(std::string_view text, const IniFile& file,
                                         const FormModel& form);

// A profile file read, loaded and checked.
struct ProfileRead {
    ReadOutcome read = ReadOutcome::Whole;
    std::vector<ProfileProblem> problems;
    FormModel form;  // as loaded; meant for write all only when Good()
    bool Good() const { return read == ReadOutcome::Whole && problems.empty(); }
};

// Reads the profile at `path` (at most kProfileMaxBytes), loads it with `view`
// over the file's when given, and checks it.
ProfileRead ReadProfileFile(const std::filesystem::path& path, std::optional<int> view);

}  // namespace dtu
