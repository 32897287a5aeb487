#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace dtu {

// Answers --help and --version (from anywhere among `args`, the program name
// left out) on `out` and returns the exit status; nothing for a run that opens
// the windows. Every other argument is Qt's.
std::optional<int> AnswerInfoOption(const std::vector<std::string>& args, std::ostream& out);

}  // namespace dtu
