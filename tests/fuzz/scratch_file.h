#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace dtu::fuzz {

// A settings file in a fresh folder of its own, removed with the folder when
// the scope ends: in memory (/dev/shm) where there is one, so that the syncs
// of each save cost nothing.
class ScratchFile {
public:
    ScratchFile() {
        const std::filesystem::path shm = "/dev/shm";
        std::error_code ec;
        const auto base =
            std::filesystem::is_directory(shm, ec) ? shm : std::filesystem::temp_directory_path();
        std::string pattern = (base / "dtu-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        folder_ = pattern;
        path_ = folder_ / "Lx1Cfg.ini";
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    const std::filesystem::path& Path() const { return path_; }
    void Write(std::string_view bytes) const {
        std::ofstream(path_, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

inline void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace dtu::fuzz
