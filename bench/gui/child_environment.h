#pragma once

#include <string>
#include <vector>

namespace dtu::bench {

// This process's environment for a measured program of the windows: offscreen,
// on the settings folder `configDir`, with none of the caller's DTUCONFIG_
// settings but those in `extra` ("NAME=value").
std::vector<std::string> ChildEnvironment(const std::string& configDir,
                                          const std::vector<std::string>& extra = {});

}  // namespace dtu::bench
