#include "lang/csv_table.h"

#include <algorithm>

namespace dtu {

namespace {

struct CsvReader {
    const CsvBounds& bounds;
    CsvTable table;
    CsvRecord record;
    std::string cell;
    std::size_t line = 1;
    std::size_t cellLine = 1;
    bool quoted = false;
    bool recordStarted = false;

    bool Fail(CsvFault fault) {
        table.fault = fault;
        table.line = line;
        table.column = record.size() + 1;
        table.records.clear();
        return false;
    }

    bool Add(std::string_view bytes) {
        if (bytes.size() > bounds.cellBytes - cell.size()) {
            return Fail(CsvFault::CellTooLong);
        }
        cell += bytes;
        return true;
    }

    bool EndCell() {
        if (record.size() >= bounds.cellsPerRecord) {
            return Fail(CsvFault::TooManyCells);
        }
        record.push_back({std::move(cell), cellLine});
        cell.clear();
        quoted = false;
        return true;
    }

    bool EndRecord() {
        if (recordStarted) {
            if (!EndCell()) {
                return false;
            }
            if (table.records.size() >= bounds.records) {
                record.clear();  // the record past the bound is named by its first cell
                return Fail(CsvFault::TooManyRecords);
            }
            table.records.push_back(std::move(record));
            record.clear();
        }
        recordStarted = false;
        return true;
    }
};

}  // namespace

CsvTable ReadCsv(std::string_view text, const CsvBounds& bounds) {
    CsvReader reader{bounds, {}, {}, {}};
    std::size_t i = 0;
    while (i < text.size()) {
        const char byte = text[i];
        if (!reader.recordStarted) {
            reader.recordStarted =
                byte != '\n' && !(byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
        }
        if (reader.cell.empty() && !reader.quoted && byte == '"') {
            // A quoted cell: up to its closing quote, a doubled quote standing for one.
            reader.quoted = true;
            reader.cellLine = reader.line;
            ++i;
            for (;;) {
                if (i >= text.size()) {
                    reader.line = reader.cellLine;  // where the quote opens
                    reader.Fail(CsvFault::UnclosedQuote);
                    return reader.table;
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        i += 2;
                        if (!reader.Add("\"")) {
                            return reader.table;
                        }
                        continue;
                    }
                    ++i;
                    break;
                }
                const std::size_t end = std::min(text.find('"', i), text.size());
                const std::string_view run = text.substr(i, end - i);
                reader.line += static_cast<std::size_t>(std::count(run.begin(), run.end(), '\n'));
                if (!reader.Add(run)) {
                    return reader.table;
                }
                i = end;
            }
            const bool ends = i >= text.size() || text[i] == ',' || text[i] == '\n' ||
                              (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
            if (!ends) {
                reader.Fail(CsvFault::TextAfterQuote);
                return reader.table;
            }
            continue;
        }
        if (reader.cell.empty() && !reader.quoted) {
            reader.cellLine = reader.line;
        }
        bool ok = true;
        if (byte == ',') {
            ok = reader.EndCell();
            ++i;
        } else if (byte == '\n' || (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            ok = reader.EndRecord();
            i += byte == '\r' ? 2 : 1;
            ++reader.line;
        } else if (byte == '"') {
            ok = reader.Fail(CsvFault::QuoteInBareCell);
        } else {
            const std::size_t end = std::min(text.find_first_of(",\"\r\n", i + 1), text.size());
            ok = reader.Add(text.substr(i, end - i));
            i = end;
        }
        if (!ok) {
            return reader.table;
        }
    }
    reader.EndRecord();
    return reader.table;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = "\"";
    for (const char c : text) {
        field += c == '"' ? "\"\"" : std::string(1, c);
    }
    return field + "\"";
}

bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned min = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            min = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            min = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        unsigned code = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

}  // namespace dtu
