#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "form/form_model.h"

namespace dtu::cli {

// Reads the profile at `path`, loads it into `form` (with `view` over the
// file's when given) and checks it by the profile rules. On failure, the lines
// that say why (UTF-8, control bytes escaped), and `form` is left alone.
std::optional<std::string> LoadProfileFile(const std::filesystem::path& path, FormModel& form,
                                           std::optional<int> view);

}  // namespace dtu::cli
