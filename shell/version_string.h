#pragma once

#include <string>

namespace dtu {

// The tool's four-number version, e.g. "2.3.2.937"; empty when none was built in.
std::string GetVersionString();

}  // namespace dtu
