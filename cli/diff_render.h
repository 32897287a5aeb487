#pragma once

#include <string>
#include <vector>

#include "cli/device_result.h"
#include "form/field_compare.h"

namespace dtu::cli {

// What diff and a dry run print, UTF-8. `port` prefixes each line ("PORT: ")
// when several devices ran; empty for one.

// One line per difference: "DTM/IP1 (IP/Domain 1): host1 -> elsewhere.example",
// the device's value, then the profile's (an empty value as ""); a field the
// device did not report: "DTM/IP1 (IP/Domain 1): not read".
std::string DifferenceLines(const std::vector<FieldDifference>& differences,
                            const std::string& port);

// The lines a dry run found, one per line, control bytes escaped ("\r\n").
std::string DryRunText(const std::vector<std::string>& lines, const std::string& port);

// One device's diff for --json.
struct DiffEntry {
    const DeviceResult& result;
    const std::vector<FieldDifference>& differences;
};
// {"devices": [{"port", "outcome", "firmware", "differences": [{"key",
// "device", "profile"}], "notRead": [keys]}]}, values as their JSON type shows them.
std::string DiffJson(const std::vector<DiffEntry>& devices);

}  // namespace dtu::cli
