#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_model.h"

namespace dtu::cli {

// A profile value that write all could not send as meant.
struct ProfileProblem {
    std::string key;       // "SECTION/Key"; empty when the file as a whole is wrong
    std::size_t line = 0;  // 1 for the first line
    std::string value;     // as stored, unescaped (GBK)
    std::string why;
    bool operator==(const ProfileProblem&) const = default;
};

// Every bad value among the profile keys of `text`, a profile's bytes, in file
// order: an item index outside its list, a tick other than 0 or 1, a text that
// is not the number, port or phone number due, a packet that is not
// hexadecimal while its hex box is ticked. A file with none of the profile
// keys is wrong as a whole. Keys that are missing are fine: they take their defaults.
std::vector<ProfileProblem> CheckProfileText(std::string_view text);

// Reads and checks the profile at `path`, then loads it into `form`. On
// failure, the lines that say why (UTF-8), and `form` is left alone.
std::optional<std::string> LoadProfileFile(const std::filesystem::path& path, FormModel& form);

}  // namespace dtu::cli
