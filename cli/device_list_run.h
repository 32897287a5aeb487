#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/device_result.h"
#include "cli/device_run.h"
#include "form/device_list.h"
#include "session/write_record.h"

namespace dtu::cli {

// The rows of a device list the ports of one write take.
struct ListRun {
    std::string path;  // the list's absolute path, as the record names it
    DeviceList list;
    std::vector<std::size_t> rows;  // per port, from 0
};

// Reads and checks the list of `options` over `base`, then gives each port its
// row: by the port column, else the first rows `options.record` does not show
// done. On failure the lines that say why (UTF-8): nothing may be sent.
std::optional<std::string> PrepareListRun(const Options& options, const FormModel& base,
                                          ListRun& run);

// One plan per port: `base` with the port's row over its profile.
std::vector<RunPlan> ListPlans(const ListRun& run, const RunPlan& base);

// The record line of one device's write; `run` null without a list.
RecordEntry RecordOf(const DeviceResult& result, const ListRun* run, std::size_t index,
                     bool verify);

}  // namespace dtu::cli
