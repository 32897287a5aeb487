#pragma once

#include <vector>

#include "form/device_map.h"

namespace dtu {

// Of the changes a compact-view write makes to values the view hides, those
// worth a question before writing: every one but the settings of a socket that
// is off in the device and stays off (its host, protocol and port matter to
// no one). The others are only logged.
std::vector<HiddenChange> ChangesToAskAbout(const std::vector<HiddenChange>& changes);

}  // namespace dtu
