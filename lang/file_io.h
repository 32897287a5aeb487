#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace dtu {

// Hands the bytes of the regular file `path` to `consume`, chunk by chunk, until
// the end or until `consume` returns false. Returns false when the file is
// missing, not a regular file (a folder, a FIFO, a device: never blocks) or a
// read failed part-way; true otherwise.
bool ReadRegularFileChunks(const std::filesystem::path& path,
                           const std::function<bool(std::string_view)>& consume);

// Appends the bytes of the regular file `path` to `out`. Returns true when the
// whole file was read; false as above, `out` then holding what was read before
// the failure.
bool ReadRegularFile(const std::filesystem::path& path, std::string& out);

enum class ReadOutcome { Whole, TooLong, Failed };

// Appends at most `limit` bytes of the regular file `path` to `out`: Whole when
// that was all of it, TooLong when the file holds more (the rest is not read),
// Failed as ReadRegularFile. Time and memory stay bounded by `limit`.
ReadOutcome ReadRegularFileUpTo(const std::filesystem::path& path, std::size_t limit,
                                std::string& out);

}  // namespace dtu
