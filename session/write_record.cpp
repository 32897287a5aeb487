#include "session/write_record.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>

#include "lang/csv_table.h"
#include "lang/file_io.h"
#include "lang/unique_fd.h"

namespace dtu {

namespace {

constexpr const char* kByIdFolder = "/dev/serial/by-id";
constexpr std::size_t kRecordColumns = 9;
constexpr std::size_t kListColumn = 4;
constexpr std::size_t kRowColumn = 5;
constexpr std::size_t kOutcomeColumn = 6;
// One record line: the values of one row and the rest, with room to spare.
constexpr CsvBounds kRecordLineBounds{kRecordMaxBytes, kRecordColumns + 1, 1};

struct OutcomeName {
    RunEnd end;
    const char* name;
};

// The words the command line's results use.
constexpr OutcomeName kOutcomeNames[] = {
    {RunEnd::Success, kRecordSuccess},       {RunEnd::Incomplete, "incomplete"},
    {RunEnd::NoAnswer, "no-answer"},         {RunEnd::Garbled, "unreadable-answers"},
    {RunEnd::PortLost, "port-lost"},         {RunEnd::NotOpen, "not-open"},
    {RunEnd::ReopenFailed, "reopen-failed"}, {RunEnd::Interrupted, "interrupted"},
};

// A line break inside a field would split its line: a record line is one line.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return CsvField(text);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Whether the file's last byte ends a line; an empty file does.
bool EndsLine(int fd, off_t size) {
    char last = '\n';
    return size == 0 || (::pread(fd, &last, 1, size - 1) == 1 && last == '\n');
}

}  // namespace

std::string RecordOutcome(RunEnd end) {
    for (const OutcomeName& row : kOutcomeNames) {
        if (row.end == end) {
            return row.name;
        }
    }
    return "incomplete";
}

std::string IsoTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    std::array<char, 40> text{};
    const std::size_t length =
        std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string iso(text.data(), length);
    // "+0800" as ISO 8601 writes it in full: "+08:00".
    if (iso.size() >= 5) {
        iso.insert(iso.size() - 2, ":");
    }
    return iso;
}

std::string RecordLine(const RecordEntry& entry) {
    std::string values;
    for (const auto& [key, value] : entry.values) {
        values += (values.empty() ? "" : "; ") + key + "=" + value;
    }
    const std::string row = entry.row == 0 ? std::string() : std::to_string(entry.row);
    std::string line;
    const std::array<const std::string*, kRecordColumns> fields = {
        &entry.time, &entry.port,    &entry.adapter, &entry.firmware, &entry.list,
        &row,        &entry.outcome, &entry.verify,  &values};
    for (const std::string* field : fields) {
        line += (line.empty() ? "" : ",") + OneLine(*field);
    }
    return line + "\n";
}

bool AppendRecord(const std::filesystem::path& path, const std::string& line) {
    // Read as well: the last byte tells whether a killed writer left a line open.
    const UniqueFd fd(::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (fd.Get() < 0) {
        return false;
    }
    // Other writers append under the same lock; the lock goes with the descriptor.
    while (::flock(fd.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0) {
        return false;
    }
    // A writer killed part-way left a line without its end: this line starts a new one.
    std::string bytes = status.st_size == 0                  ? std::string(kRecordHeader)
                        : EndsLine(fd.Get(), status.st_size) ? std::string()
                                                             : std::string("\n");
    bytes += line;
    return WriteAll(fd.Get(), bytes);
}

std::set<std::size_t> RowsDone(const std::filesystem::path& path, const std::string& list) {
    std::set<std::size_t> done;
    std::string text;
    if (ReadRegularFileUpTo(path, kRecordMaxBytes, text) == ReadOutcome::Failed) {
        return done;
    }
    std::size_t start = 0;
    // Only whole lines: the last may be one a writer was killed in.
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         start = end + 1, end = text.find('\n', start)) {
        const CsvTable line =
            ReadCsv(std::string_view(text).substr(start, end - start), kRecordLineBounds);
        if (line.records.size() != 1 || line.records[0].size() != kRecordColumns) {
            continue;
        }
        const CsvRecord& cells = line.records[0];
        if (cells[kListColumn].text == list && cells[kOutcomeColumn].text == kRecordSuccess) {
            const std::string& row = cells[kRowColumn].text;
            if (!row.empty() && row.find_first_not_of("0123456789") == std::string::npos &&
                row.size() < 10) {
                done.insert(std::stoul(row));
            }
        }
    }
    return done;
}

std::string AdapterName(const std::string& port) {
    if (port.find("://") != std::string::npos) {
        return port;
    }
    std::error_code error;
    const std::filesystem::path device = std::filesystem::canonical(port, error);
    if (error) {
        return port;
    }
    for (const auto& entry : std::filesystem::directory_iterator(kByIdFolder, error)) {
        std::error_code entryError;
        if (std::filesystem::canonical(entry.path(), entryError) == device && !entryError) {
            return entry.path().string();
        }
    }
    return port;
}

}  // namespace dtu
