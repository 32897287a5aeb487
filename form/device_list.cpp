#include "form/device_list.h"

#include <algorithm>
#include <unordered_map>

#include "form/form_profile.h"
#include "lang/file_io.h"
#include "lang/gbk.h"
#include "lang/same_text.h"
#include "settings/ini_value.h"

namespace dtu {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

constexpr CsvBounds kListBounds{kDeviceListCellMaxBytes, kDeviceListMaxColumns,
                                kDeviceListMaxRows + 1};

// The column a profile key names: a field, the view (no field), or none.
std::optional<ListColumn> ColumnNamed(const std::string& name) {
    if (SameText(name, kPortColumn)) {
        return ListColumn{name, std::nullopt, true};
    }
    if (SameText(name, std::string(kViewKey.section) + "/" + kViewKey.key)) {
        return ListColumn{name, std::nullopt, false};
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        if (ProfileKeyOf(field).section != nullptr && SameText(name, ProfileKeyName(field))) {
            return ListColumn{name, field, false};
        }
    }
    return std::nullopt;
}

FieldKind KindOf(const ListColumn& column) {
    return column.field ? RowOf(*column.field).kind : FieldKind::Item;
}

int ItemsOf(const ListColumn& column) {
    return column.field ? ItemCount(RowOf(*column.field)) : kViewCount;
}

// A list index as the profile stores it, or nothing when the list has no such item.
std::optional<int> IndexIn(const ListColumn& column, const std::string& cell) {
    const std::optional<std::int64_t> index = ParseIniInteger(cell);
    if (!index || *index < 0 || *index >= ItemsOf(column)) {
        return std::nullopt;
    }
    return static_cast<int>(*index);
}

std::string TextOf(const ListColumn& column, const std::string& cell) {
    return KindOf(column) == FieldKind::Memo ? UnescapeIniValue(cell)
                                             : UnescapeOneLineIniValue(cell);
}

// What is wrong with one cell as a profile value, checked alone.
std::optional<ListProblem> CellProblem(const ListColumn& column, const std::string& cell,
                                       std::size_t line, std::size_t columnNumber) {
    switch (KindOf(column)) {
        case FieldKind::Tick:
            if (cell == "0" || cell == "1") {
                return std::nullopt;
            }
            return ListProblem{ListFault::BadTick, line, columnNumber, column.name, cell};
        case FieldKind::Item:
            if (IndexIn(column, cell)) {
                return std::nullopt;
            }
            return ListProblem{ListFault::BrokenValue, line, columnNumber, column.name, cell,
                               ValueRule::Choice};
        case FieldKind::Text:
        case FieldKind::Memo:
            break;
    }
    if (Keeps(ValueRule::Text, TextOf(column, cell))) {
        return std::nullopt;
    }
    return ListProblem{ListFault::BrokenValue, line, columnNumber, column.name, cell};
}

// The header's columns; unknown or repeated names are problems.
std::vector<ListColumn> ReadHeader(const CsvRecord& header, std::vector<ListProblem>& problems) {
    std::vector<ListColumn> columns;
    std::unordered_map<std::string, std::size_t> seen;  // folded name: its column
    for (std::size_t i = 0; i < header.size(); ++i) {
        const CsvCell& cell = header[i];
        const std::string name(TrimBlanks(cell.text));
        std::optional<ListColumn> column = ColumnNamed(name);
        if (name.empty()) {
            problems.push_back({ListFault::EmptyName, cell.line, i + 1});
        } else if (!column) {
            problems.push_back({ListFault::UnknownColumn, cell.line, i + 1, name});
        } else if (const auto [at, added] = seen.emplace(FoldedText(name), i + 1); !added) {
            ListProblem twice{ListFault::ColumnTwice, cell.line, i + 1, name};
            twice.firstLine = at->second;  // the column it repeats
            problems.push_back(twice);
        }
        columns.push_back(column.value_or(ListColumn{name, std::nullopt, false}));
    }
    return columns;
}

// The APN with its password, the third of its quoted items, hidden.
std::string HiddenApnPassword(const std::string& apn) {
    std::size_t commas = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < apn.size(); ++i) {
        if (apn[i] == '"') {
            quoted = !quoted;
        } else if (apn[i] == ',' && !quoted && ++commas == 2) {
            const std::string_view password = std::string_view(apn).substr(i + 1);
            return password.empty() || password == "\"\"" ? apn : apn.substr(0, i + 1) + "\"***\"";
        }
    }
    return apn;
}

}  // namespace

DeviceListRead ParseDeviceList(std::string_view bytes) {
    DeviceListRead read;
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
    }
    const std::string text = IsUtf8(bytes) ? Utf8ToGbk(bytes) : std::string(bytes);
    CsvTable table = ReadCsv(text, kListBounds);
    if (table.fault != CsvFault::None) {
        ListProblem problem{ListFault::Csv, table.line, table.column};
        problem.csv = table.fault;
        read.problems.push_back(problem);
        return read;
    }
    if (table.records.size() < 2) {
        read.problems.push_back({ListFault::NoRows, table.records.empty() ? 1u : 2u, 0});
        return read;
    }
    DeviceList& list = read.list;
    list.columns = ReadHeader(table.records.front(), read.problems);
    for (std::size_t i = 0; i < list.columns.size(); ++i) {
        if (list.columns[i].port) {
            list.portColumn = i;
        }
    }
    for (std::size_t r = 1; r < table.records.size(); ++r) {
        CsvRecord& record = table.records[r];
        DeviceListRow row{record.front().line, {}};
        if (record.size() != list.columns.size()) {
            ListProblem count{ListFault::CellCount, row.line,
                              std::min(record.size(), list.columns.size()) + 1};
            count.firstLine = record.size();
            read.problems.push_back(count);
        }
        for (CsvCell& cell : record) {
            row.cells.push_back(std::move(cell.text));
        }
        row.cells.resize(list.columns.size());
        list.rows.push_back(std::move(row));
    }
    return read;
}

DeviceListRead ReadDeviceList(const std::filesystem::path& path) {
    std::string bytes;
    const ReadOutcome outcome = ReadRegularFileUpTo(path, kDeviceListMaxBytes, bytes);
    if (outcome != ReadOutcome::Whole) {
        DeviceListRead read;
        read.problems.push_back(
            {outcome == ReadOutcome::TooLong ? ListFault::TooLarge : ListFault::Unreadable});
        return read;
    }
    return ParseDeviceList(bytes);
}

FormModel MergedForm(const DeviceList& list, std::size_t row, const FormModel& base) {
    FormModel form = base;
    const std::vector<std::string>& cells = list.rows.at(row).cells;
    // A profile loads lists and ticks before texts, and a packet's text after
    // its hex box: ticking the box converts the text the packet then replaces.
    std::optional<int> view;
    for (std::size_t c = 0; c < list.columns.size(); ++c) {
        const ListColumn& column = list.columns[c];
        if (column.port || cells[c].empty()) {
            continue;
        }
        const FieldKind kind = KindOf(column);
        if (kind == FieldKind::Tick) {
            form.SetTick(*column.field, cells[c] == "1");
        } else if (kind == FieldKind::Item) {
            const int index = IndexIn(column, cells[c]).value_or(0);
            if (!column.field) {
                view = index;
            } else if (*column.field == Field::ApnChoice) {
                form.ChooseApn(index);
            } else {
                form.SetItem(*column.field, index);
            }
        }
    }
    for (const FieldRow& field : FormFields()) {
        if (field.step == LoadStep::AfterHexBoxes) {
            form.SetText(field.field, base.Text(field.field));
        }
    }
    for (std::size_t c = 0; c < list.columns.size(); ++c) {
        const ListColumn& column = list.columns[c];
        const FieldKind kind = KindOf(column);
        if (column.port || cells[c].empty() ||
            (kind != FieldKind::Text && kind != FieldKind::Memo)) {
            continue;
        }
        if (*column.field == Field::Apn && form.Item(Field::ApnChoice) != kApnOtherChoice) {
            continue;  // the first two choices stand for their own value
        }
        form.SetText(*column.field, TextOf(column, cells[c]));
    }
    if (view) {
        form.SetView(*view);
    }
    return form;
}

void SetFormValues(FormModel& form, const FormModel& values) {
    for (const bool texts : {false, true}) {
        for (std::size_t i = 0; i < kFieldCount; ++i) {
            const auto field = static_cast<Field>(i);
            switch (RowOf(field).kind) {
                case FieldKind::Item:
                    if (!texts) {
                        form.SetItem(field, values.Item(field));
                    }
                    break;
                case FieldKind::Tick:
                    if (!texts) {
                        form.SetTick(field, values.Tick(field));
                    }
                    break;
                case FieldKind::Text:
                case FieldKind::Memo:
                    if (texts) {
                        form.SetText(field, values.Text(field));
                    }
                    break;
            }
        }
    }
    form.SetView(values.View());
}

std::vector<ListProblem> CheckDeviceList(const DeviceList& list, const FormModel& base) {
    std::vector<ListProblem> problems;
    std::unordered_map<std::string, std::size_t> ports;
    const auto full = [&problems] { return problems.size() >= kDeviceListMaxProblems; };
    for (std::size_t r = 0; r < list.rows.size() && !full(); ++r) {
        const DeviceListRow& row = list.rows[r];
        bool cellsKept = true;
        for (std::size_t c = 0; c < list.columns.size() && !full(); ++c) {
            const ListColumn& column = list.columns[c];
            const std::string& cell = row.cells[c];
            if (column.port) {
                if (cell.empty()) {
                    problems.push_back({ListFault::NoPort, row.line, c + 1, column.name});
                } else if (const auto [at, added] = ports.emplace(cell, row.line); !added) {
                    ListProblem twice{ListFault::PortTwice, row.line, c + 1, column.name, cell};
                    twice.firstLine = at->second;
                    problems.push_back(twice);
                }
                continue;
            }
            if (cell.empty()) {
                continue;
            }
            if (std::optional<ListProblem> bad = CellProblem(column, cell, row.line, c + 1)) {
                problems.push_back(*bad);
                cellsKept = false;
            }
        }
        if (!cellsKept || full()) {
            continue;
        }
        const FormModel merged = MergedForm(list, r, base);
        for (std::size_t c = 0; c < list.columns.size(); ++c) {
            if (list.columns[c].field == Field::Apn && !row.cells[c].empty() &&
                merged.Item(Field::ApnChoice) != kApnOtherChoice && !full()) {
                problems.push_back(
                    {ListFault::ApnNotTaken, row.line, c + 1, list.columns[c].name, row.cells[c]});
            }
        }
        for (const ValueProblem& problem : CheckBeforeWrite(merged)) {
            ListProblem broken{
                ListFault::BrokenValue,     row.line,    0, ProfileKeyName(problem.field),
                merged.Text(problem.field), problem.rule};
            broken.fromProfile = true;
            for (std::size_t c = 0; c < list.columns.size(); ++c) {
                if (list.columns[c].field == problem.field && !row.cells[c].empty()) {
                    broken.column = c + 1;
                    broken.value = row.cells[c];
                    broken.fromProfile = false;
                }
            }
            if (!full()) {
                problems.push_back(broken);
            }
        }
    }
    return problems;
}

std::string RowKey(const DeviceList& list, std::size_t row) {
    const std::vector<std::string>& cells = list.rows.at(row).cells;
    if (list.portColumn) {
        return cells[*list.portColumn];
    }
    return cells.empty() ? std::string() : cells.front();
}

std::vector<std::pair<std::string, std::string>> RowValues(const DeviceList& list,
                                                           std::size_t row) {
    std::vector<std::pair<std::string, std::string>> values;
    const std::vector<std::string>& cells = list.rows.at(row).cells;
    for (std::size_t c = 0; c < list.columns.size(); ++c) {
        const ListColumn& column = list.columns[c];
        if (column.port || cells[c].empty()) {
            continue;
        }
        const std::string key = column.field ? ProfileKeyName(*column.field) : column.name;
        values.emplace_back(key, column.field == Field::CloudPassword ? "***"
                                 : column.field == Field::Apn         ? HiddenApnPassword(cells[c])
                                                                      : cells[c]);
    }
    return values;
}

}  // namespace dtu
