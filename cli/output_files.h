#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "lang/atomic_write.h"

namespace dtu::cli {

// The files the command line writes (--out, --report). They are written whole
// or not at all and never through a symbolic link. A descriptor is kept in
// reserve from the start, so that a batch whose ports took all the others can
// still write its files (the report once the ports are closed again).
class OutputFiles {
public:
    OutputFiles();
    ~OutputFiles();
    OutputFiles(const OutputFiles&) = delete;
    OutputFiles& operator=(const OutputFiles&) = delete;

    // Writes `bytes` to `path` with `access`; says why on `err` when it cannot.
    bool Write(const std::string& path, std::string_view bytes, std::ostream& err,
               FileAccess access = FileAccess::Kept);

private:
    void Reserve();
    void Release();

    int reserve_ = -1;
};

// Removes the regular file `path` names if it is there, so that a report left
// by an earlier run cannot pass for this run's.
void RemoveEarlierFile(const std::string& path);

}  // namespace dtu::cli
