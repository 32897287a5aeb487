#pragma once

#include <array>
#include <ostream>
#include <string>
#include <string_view>

namespace dtu::cli {

// The files the command line writes (--out, --report). They are written whole
// or not at all and never through a symbolic link. A few descriptors are kept
// in reserve from the start, so that a batch whose ports took all the others
// can still write its files.
class OutputFiles {
public:
    OutputFiles();
    ~OutputFiles();
    OutputFiles(const OutputFiles&) = delete;
    OutputFiles& operator=(const OutputFiles&) = delete;

    // Writes `bytes` to `path`; says why on `err` when it cannot.
    bool Write(const std::string& path, std::string_view bytes, std::ostream& err);

private:
    void Reserve();
    void Release();

    // A write opens the file's folder and a temporary file beside it.
    std::array<int, 2> reserve_ = {-1, -1};
};

// Removes the regular file `path` names if it is there, so that a report left
// by an earlier run cannot pass for this run's.
void RemoveEarlierFile(const std::string& path);

}  // namespace dtu::cli
