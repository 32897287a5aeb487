#pragma once

#include <cstddef>

#include "serial/port_session.h"

namespace dtu {

// Largest block the reader hands over at once.
inline constexpr std::size_t kReadBlockSize = 2048;

// Reader thread body: frames incoming bytes into blocks by the interval
// time-out and posts each block; ends on close or when the port fails.
void RunReader(PortSession& session);

}  // namespace dtu
