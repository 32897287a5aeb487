#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "form/device_map.h"
#include "form/form_model.h"
#include "lang/csv_table.h"

namespace dtu {

// A device list: a CSV file whose header names a `port` column and profile keys
// ("DTM/LoginFormat"); each row holds one device's own values over a profile.
inline constexpr std::size_t kDeviceListMaxBytes = 16 * 1024 * 1024;
inline constexpr std::size_t kDeviceListMaxRows = 100000;
// Longer than any value the device takes: the HTTP header is the longest.
inline constexpr std::size_t kDeviceListCellMaxBytes = 4096;
// The port column and every profile key, with room for a repeated one to be named.
inline constexpr std::size_t kDeviceListMaxColumns = 128;
// Problems past this many are not listed: the first ones are enough to mend the file.
inline constexpr std::size_t kDeviceListMaxProblems = 20;
inline constexpr const char* kPortColumn = "port";

enum class ListFault : std::uint8_t {
    Unreadable,
    TooLarge,
    Csv,            // the file breaks CSV; `csv` says how
    NoRows,         // a header and nothing under it
    EmptyName,      // a header cell with nothing in it
    UnknownColumn,  // a header naming no profile key
    ColumnTwice,
    CellCount,  // a row with more or fewer cells than the header
    NoPort,     // an empty cell in the port column
    PortTwice,
    BadTick,
    BrokenValue,  // a cell, or the profile's value under the row's, breaking `rule`
    ApnNotTaken,  // an APN where the APN choice is not "other": loading ignores it
};

// One fault; `line` and `column` count from 1, 0 when they do not apply.
struct ListProblem {
    ListFault fault;
    std::size_t line = 0;
    std::size_t column = 0;
    std::string key = {};    // the column's name, or the profile key a merged row breaks
    std::string value = {};  // as the cell holds it (GBK)
    ValueRule rule = ValueRule::Text;
    CsvFault csv = CsvFault::None;
    // ColumnTwice: the column it repeats; PortTwice: the line it stands on first;
    // CellCount: the cells the row holds.
    std::size_t firstLine = 0;
    bool fromProfile = false;  // BrokenValue: the profile's value, which the row does not set
    bool operator==(const ListProblem&) const = default;
};

// What a column sets: a form field, or the view.
struct ListColumn {
    std::string name;  // as the header writes it (GBK)
    std::optional<Field> field;
    bool port = false;
};

struct DeviceListRow {
    std::size_t line = 0;            // where the row starts in the file
    std::vector<std::string> cells;  // GBK, one per column
};

struct DeviceList {
    std::vector<ListColumn> columns;
    std::optional<std::size_t> portColumn;
    std::vector<DeviceListRow> rows;
};

// A list read from text: UTF-8 when the bytes are valid UTF-8 (a byte order
// mark dropped), else GBK as the settings file is. Problems of its form only.
struct DeviceListRead {
    DeviceList list;
    std::vector<ListProblem> problems;
};
DeviceListRead ParseDeviceList(std::string_view bytes);
// Reads at most kDeviceListMaxBytes of the file at `path`.
DeviceListRead ReadDeviceList(const std::filesystem::path& path);

// The profile `base` with row `row` (from 0) over it: each non-empty cell
// replaces the profile's value, as if the profile file held it.
FormModel MergedForm(const DeviceList& list, std::size_t row, const FormModel& base);

// Sets every value of `form` to the one `values` holds, lists and ticks before
// texts so that no coupling changes a text afterwards, the view last.
void SetFormValues(FormModel& form, const FormModel& values);

// Every row merged with `base` and checked as a profile is, then every port
// once; at most kDeviceListMaxProblems, in the order of the file.
std::vector<ListProblem> CheckDeviceList(const DeviceList& list, const FormModel& base);

// The row's key: its port, else its first cell.
std::string RowKey(const DeviceList& list, std::size_t row);

// The profile keys the row sets and their values (GBK), a password as "***".
std::vector<std::pair<std::string, std::string>> RowValues(const DeviceList& list, std::size_t row);

}  // namespace dtu
