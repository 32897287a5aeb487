#pragma once

#include "form/form_model.h"
#include "protocol/form_values.h"

namespace dtu {

// What write all, the firmware-family extension, the port follow-up and the SMS
// action read of the form, as it stands now.
FormValues SnapshotOf(const FormModel& form);

}  // namespace dtu
