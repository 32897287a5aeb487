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

// Replaces `path` with `bytes` so that the file is either the old one or the
// new one, whole: the bytes go to a temporary file in the same folder, are
// synced, and the temporary file is renamed over `path`. An existing file's
// permissions are kept. Throws std::system_error on failure, leaving no
// temporary file behind.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace dtu
