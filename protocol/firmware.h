#pragma once

#include <cstdint>
#include <string_view>

namespace dtu {

// The firmware's version as one number: the dot-separated pieces weighted by
// powers of 100 ("3.38" -> 338, "3.3.8" -> 30308); -1 when a piece is not a
// non-negative integer or the number needs more than 15 digits.
std::int64_t VersionNumber(std::string_view version);

// 1 up to 3.36, 2 from 3.38 to 3.99, 0 for 3.37, newer and unknown versions.
int FirmwareFamily(std::string_view version);

}  // namespace dtu
