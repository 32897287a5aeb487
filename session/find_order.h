#pragma once

#include <vector>

#include "protocol/find_try.h"
#include "serial/port_control.h"

namespace dtu {

// The settings Find tries, each once: `first` (the settings given or
// stored), then every speed of the port lists at 8N1, the most used first,
// then the other formats the device's form offers at each speed; then the
// same speeds again with the data-mode escape, `first` leading. Stop bits
// are not varied: a receiver checks only the first, so a device at two
// answers a try at one.
std::vector<FindTry> FindOrder(const PortTexts& first);

// A server that keeps its own line: one probe as the line is, then the escape.
std::vector<FindTry> FindOrderAsLineIs(const PortTexts& line);

}  // namespace dtu
