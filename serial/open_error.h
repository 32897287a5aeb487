#pragma once

#include <string>
#include <string_view>

#include "port/open_error.h"

namespace dtu {

// What stat tells about a device node.
struct NodeFacts {
    bool exists = false;
    unsigned uid = 0;
    unsigned gid = 0;
    unsigned mode = 0;
    std::string groupName;  // of `gid`; the number when the group has no name
};
NodeFacts InspectNode(const std::string& path);

// The failure an open() refused with `error` stands for.
OpenError ClassifyOpenErrno(const std::string& path, int error, const NodeFacts& node);

// A port held by `pid` (0: unknown), with the program's name read from `procDir`.
OpenError BusyError(const std::string& path, int pid, const std::string& procDir = "/proc");

// The PID holding an flock on the file (device `devMajor`:`devMinor`, inode
// `inode`) according to the text of /proc/locks; 0 when there is none.
int FlockHolder(std::string_view procLocks, unsigned devMajor, unsigned devMinor,
                unsigned long inode);

// The PID holding an flock on `path` now; 0 when none is seen.
int FlockHolderOf(const std::string& path);

}  // namespace dtu
