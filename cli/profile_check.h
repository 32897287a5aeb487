#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "form/form_fields.h"
#include "form/form_model.h"

namespace dtu::cli {

// What a value breaking `rule` should have been, as a profile's or a device
// list's fault names it.
const char* RuleText(ValueRule rule);

// Reads the profile at `path`, loads it into `form` (with `view` over the
// file's when given) and checks it by the profile rules. On failure, the lines
// that say why (UTF-8, control bytes escaped), and `form` is left alone.
std::optional<std::string> LoadProfileFile(const std::filesystem::path& path, FormModel& form,
                                           std::optional<int> view);

}  // namespace dtu::cli
