#pragma once

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "protocol/run_outcome.h"

namespace dtu {

// The record of writes: a CSV file, one line per device written, appended by
// every front end and every process at once without a line torn or mixed.

// The most of a record read back to find the rows done: years of lines.
inline constexpr std::size_t kRecordMaxBytes = 64 * 1024 * 1024;

// One write as the record keeps it; texts UTF-8.
struct RecordEntry {
    std::string time;     // ISO 8601 with the zone: "2026-12-09T03:04:05+08:00"
    std::string port;     // as given
    std::string adapter;  // the adapter's /dev/serial/by-id name or the network address
    std::string firmware;
    std::string list;     // the device list's absolute path; empty without one
    std::size_t row = 0;  // the list's row, from 1; 0 without a list
    std::string outcome;  // "success", "no-answer", ...
    std::string verify;   // "matched", "mismatched", "not asked", "not done"
    std::vector<std::pair<std::string, std::string>> values;  // the keys the row set
};

inline constexpr const char* kRecordHeader =
    "time,port,adapter,firmware,list,row,outcome,verify,values\n";
inline constexpr const char* kRecordSuccess = "success";

// How a run ended, as the record names it: "success", "incomplete", "no-answer", ...
std::string RecordOutcome(RunEnd end);

// The local time `when` in ISO 8601 with its offset from UTC.
std::string IsoTime(std::time_t when);

// One line of the record, ended by LF; the values as "KEY=value; KEY=value".
std::string RecordLine(const RecordEntry& entry);

// Appends `line` to the record at `path`, the header first into an empty
// file: one write with O_APPEND under an exclusive lock on the file, so no
// other writer's line lands inside it. False when the file cannot be written.
bool AppendRecord(const std::filesystem::path& path, const std::string& line);

// The rows of `list` the record at `path` shows written with success. No file: none.
std::set<std::size_t> RowsDone(const std::filesystem::path& path, const std::string& list);

// What identifies the adapter behind `port`: a network address as it is, else
// the /dev/serial/by-id name that leads to the same device, else the port.
std::string AdapterName(const std::string& port);

}  // namespace dtu
