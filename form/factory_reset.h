#pragma once

#include "form/form_model.h"

namespace dtu {

// Blanks the form the way a factory reset leaves the device: the APN on its first
// choice, the device's UART at 115200 8N1, data transmission mode, socket 1 and
// the hidden socket 5 enabled, every other listed text empty and box unticked.
void ResetForFactory(FormModel& form);

}  // namespace dtu
