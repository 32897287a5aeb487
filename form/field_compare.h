#pragma once

#include <set>
#include <string>
#include <vector>

#include "form/device_map.h"
#include "form/form_model.h"

namespace dtu {

// What write all of a form would do to a device, as a read all found it.

// Whether write all of `form` sends `row`: the rows its work mode and view
// send, and in the compact view of data transmission also the rows it hides,
// whose `compactValue` it sends instead. `familyTwo`: firmware that takes the
// cloud, cache and HTTP lines.
bool WrittenByWriteAll(const DeviceFieldRow& row, const FormModel& form, bool familyTwo);
// Whether the compact view hides the row's field for `form`.
bool HiddenByCompactView(const DeviceFieldRow& row, const FormModel& form);
// The value write all of `form` sends for `row`, as SentValue gives it (GBK).
std::string WrittenValue(const DeviceFieldRow& row, const FormModel& form);

// A field whose device value write all would change, or could not know.
struct FieldDifference {
    Field field;
    std::string device;    // the read's value as write all would send it; empty when not read
    std::string form;      // what write all sends
    bool notRead = false;  // no reply of the read reported the field
    bool operator==(const FieldDifference&) const = default;
};

// Every field write all of `form` sends whose value `read` (a read all that
// took `reported`, by ReplyKey) holds otherwise by the row's compare rule,
// and every such field no reply reported, in the order of the device table.
// The cloud password is never reported and never compared.
std::vector<FieldDifference> CompareWithDevice(const FormModel& form, const FormModel& read,
                                               const std::set<std::string>& reported,
                                               bool familyTwo);

}  // namespace dtu
