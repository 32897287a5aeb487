#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace dtu::fuzz {

// A file in a folder of its own, made once per run: in memory (/dev/shm) where
// there is one, so that the syncs of each save cost nothing.
inline const std::filesystem::path& ScratchFile() {
    static const std::filesystem::path file = [] {
        const std::filesystem::path shm = "/dev/shm";
        std::error_code ec;
        const auto base =
            std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        std::string pattern = (base / "dtu-fuzz-XXXXXX").string();
        const char* dir = ::mkdtemp(pattern.data());
        return std::filesystem::path(dir != nullptr ? dir : ".") / "Lx1Cfg.ini";
    }();
    return file;
}

inline void WriteScratch(std::string_view bytes) {
    std::ofstream(ScratchFile(), std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace dtu::fuzz
