#pragma once

namespace dtu {

// Whether a keyboard reports Caps Lock on, read from its indicator light;
// false when no keyboard light can be read.
bool CapsLockIsOn();

}  // namespace dtu
