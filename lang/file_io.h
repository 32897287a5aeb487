#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace dtu {

// Appends the bytes of the regular file `path` to `out`. Returns true when the
// whole file was read; false when it is missing, not a regular file (a folder,
// a FIFO, a device: never blocks) or a read failed, `out` then holding what was
// read before the failure.
bool ReadRegularFile(const std::filesystem::path& path, std::string& out);

}  // namespace dtu
