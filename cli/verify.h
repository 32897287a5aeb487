#pragma once

#include <set>
#include <string>
#include <vector>

#include "form/device_map.h"
#include "form/form_model.h"

namespace dtu::cli {

// A field the device reported otherwise than it was written. Values are shown
// as write all sends them (GBK).
struct Mismatch {
    std::string key;  // the profile key, else the control's name
    std::string wanted;
    std::string found;
    bool missing = false;  // the device reported nothing for it
    JsonType json = JsonType::Text;
    bool operator==(const Mismatch&) const = default;
};

// Compares the fields write all sent for `wanted`'s work mode and view with what
// a read all put into `found`; `reported` holds the ReplyKey of every reply that
// read took, and a field no reply reported is missing. Only fields the device
// reports count: the cloud password and the D2D settings do not. `familyTwo`:
// the firmware took the cloud, cache and HTTP lines.
std::vector<Mismatch> CompareWritten(const FormModel& wanted, const FormModel& found,
                                     const std::set<std::string>& reported, bool familyTwo);

// The profile keys a line of write all carried for `wanted`, as the device
// table says: the times line gives the heartbeat, packing and restart times, a
// socket's line its socket's four; none for a line that sends only fixed values.
std::vector<std::string> KeysSentBy(const std::string& line, const FormModel& wanted,
                                    bool familyTwo);

}  // namespace dtu::cli
