#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/dtusim/sim_config.h"

namespace dtu::sim {

// One parameter command the device knows: how a query answers and how a set
// is checked and stored. Value lines are "+" name ":" value, without line ends.
struct Parameter {
    std::string_view name;
    int sinceFirmware;  // the firmware number (3.38 is 338) that brought it; 0 for all
    std::vector<std::string> (*query)(const DeviceConfig&);  // null: cannot be queried
    bool (*set)(DeviceConfig&, std::string_view value);      // null: cannot be set
};

// The parameter of that exact (upper-case) name, or null.
const Parameter* FindParameter(std::string_view name);

}  // namespace dtu::sim
