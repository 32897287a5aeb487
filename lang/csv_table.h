#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dtu {

// One cell of a CSV record as its quotes and doubled quotes leave it, and the
// line (1 for the first) where it starts.
struct CsvCell {
    std::string text;
    std::size_t line = 0;
};
using CsvRecord = std::vector<CsvCell>;

// Most a table may hold; a file past any of them is refused, not cut.
struct CsvBounds {
    std::size_t cellBytes;
    std::size_t cellsPerRecord;
    std::size_t records;
};

enum class CsvFault : std::uint8_t {
    None,
    CellTooLong,
    TooManyCells,
    TooManyRecords,
    QuoteInBareCell,  // a quote inside a cell that does not start with one
    TextAfterQuote,   // a closing quote followed by something other than a comma or line end
    UnclosedQuote,
};

// The records of `text`, or where it first breaks: a fault with its line and
// its column (1 for the first cell).
struct CsvTable {
    std::vector<CsvRecord> records;
    CsvFault fault = CsvFault::None;
    std::size_t line = 0;
    std::size_t column = 0;
};

// Reads RFC 4180 text: cells separated by commas, records by CR LF or LF, a
// cell in double quotes may hold commas, line breaks and doubled quotes. A
// blank line holds no record. Each byte is looked at once.
CsvTable ReadCsv(std::string_view text, const CsvBounds& bounds);

// The cell as a record line writes it: in quotes, its quotes doubled, when it
// holds a comma, a quote or a line break; as it is otherwise.
std::string CsvField(std::string_view text);

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

}  // namespace dtu
