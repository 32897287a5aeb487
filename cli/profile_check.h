#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_model.h"
#include "settings/ini_file.h"

namespace dtu::cli {

// A profile value write all could not send as meant, or that loads as another.
struct ProfileProblem {
    std::string key;       // "SECTION/Key"; empty when the file as a whole is wrong
    std::size_t line = 0;  // 1 for the first line; 0: the key is missing
    std::string value;     // as loaded (GBK)
    std::string why;
    bool operator==(const ProfileProblem&) const = default;
};

struct ProfileCheck {
    std::vector<ProfileProblem> problems;  // the profile cannot be written
};

// Checks `form`, loaded from `file` whose bytes are `text`, as write all would
// send it: every value it sends keeps its rule; ticks are 0 or 1; no value
// holds a control byte; every list key is an item of its list. A file with
// none of the profile keys is wrong as a whole.
ProfileCheck CheckProfile(std::string_view text, const IniFile& file, const FormModel& form);

// Reads the profile at `path`, loads it into `form` (with `view` over the
// file's when given) and checks it. On failure, the lines that say why
// (UTF-8, control bytes escaped), and `form` is left alone.
std::optional<std::string> LoadProfileFile(const std::filesystem::path& path, FormModel& form,
                                           std::optional<int> view);

}  // namespace dtu::cli
