#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_model.h"

namespace dtu::cli {

// A profile value write all could not send as meant, or one it loads otherwise.
struct ProfileProblem {
    std::string key;       // "SECTION/Key"; empty when the file as a whole is wrong
    std::size_t line = 0;  // 1 for the first line; 0: the key is missing
    std::string value;     // as loaded (GBK)
    std::string why;
    bool operator==(const ProfileProblem&) const = default;
};

struct ProfileCheck {
    std::vector<ProfileProblem> problems;  // the profile cannot be written
    std::vector<ProfileProblem> warnings;  // loaded with a default instead
};

// Checks `form`, loaded from the profile whose bytes are `text`, as write all
// would send it: every value it sends keeps its rule; ticks are 0 or 1; no
// value holds a control byte; a list key outside its list is a warning (its
// default was loaded). A file with none of the profile keys is wrong as a whole.
ProfileCheck CheckProfile(std::string_view text, const FormModel& form);

// Reads the profile at `path`, loads it into `form` (with `view` over the
// file's when given) and checks it. On failure, the lines that say why
// (UTF-8), and `form` is left alone; `warnings` gets a line for each warning.
std::optional<std::string> LoadProfileFile(const std::filesystem::path& path, FormModel& form,
                                           std::optional<int> view, std::string& warnings);

}  // namespace dtu::cli
