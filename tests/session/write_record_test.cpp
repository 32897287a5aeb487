#include "session/write_record.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <regex>
#include <sstream>
#include <string>

#include "lang/csv_table.h"
#include "tests/lang/test_support.h"

namespace dtu {
namespace {

using ::dtu::testing::ReadBytes;
using ::dtu::testing::TempDir;
using ::dtu::testing::WriteBytes;

RecordEntry EntryFor(const std::string& list, std::size_t row, const std::string& outcome) {
    RecordEntry entry;
    entry.time = "2026-12-09T03:04:05+08:00";
    entry.port = "/dev/ttyUSB0";
    entry.adapter = "/dev/serial/by-id/usb-x";
    entry.firmware = "V3.38";
    entry.list = list;
    entry.row = row;
    entry.outcome = outcome;
    entry.verify = "matched";
    entry.values = {{"DTM/LoginFormat", "LOGIN:1001"}, {"DTM/IP1", "a,b"}};
    return entry;
}

TEST(WriteRecord, LineIsOneCsvRecordOnOneLine) {
    RecordEntry entry = EntryFor("/l.csv", 3, "success");
    entry.firmware = "V3\r\n38";
    const std::string line = RecordLine(entry);
    EXPECT_EQ(line,
              "2026-12-09T03:04:05+08:00,/dev/ttyUSB0,/dev/serial/by-id/usb-x,V3  38,/l.csv,3,"
              "success,matched,\"DTM/LoginFormat=LOGIN:1001; DTM/IP1=a,b\"\n");
    EXPECT_EQ(ReadCsv(line, {1024, 16, 2}).records.at(0).size(), 9u);
}

TEST(WriteRecord, TimeCarriesItsZone) {
    EXPECT_TRUE(
        std::regex_match(IsoTime(0), std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)")))
        << IsoTime(0);
}

TEST(WriteRecord, RowsDoneAreTheListsSuccessesOnWholeLines) {
    const TempDir dir;
    const auto path = dir.Path() / "record.csv";
    ASSERT_TRUE(AppendRecord(path, RecordLine(EntryFor("/l.csv", 1, "success"))));
    ASSERT_TRUE(AppendRecord(path, RecordLine(EntryFor("/l.csv", 2, "no-answer"))));
    ASSERT_TRUE(AppendRecord(path, RecordLine(EntryFor("/other.csv", 3, "success"))));
    // A writer killed part-way: its line has no end, and the next line starts anew.
    const std::string torn = RecordLine(EntryFor("/l.csv", 4, "success"));
    WriteBytes(path, ReadBytes(path) + torn.substr(0, torn.size() - 10));
    EXPECT_EQ(RowsDone(path, "/l.csv"), (std::set<std::size_t>{1}));
    ASSERT_TRUE(AppendRecord(path, RecordLine(EntryFor("/l.csv", 5, "success"))));
    EXPECT_EQ(RowsDone(path, "/l.csv"), (std::set<std::size_t>{1, 5}));
    EXPECT_TRUE(ReadBytes(path).starts_with(kRecordHeader));
    EXPECT_TRUE(RowsDone(dir.Path() / "none.csv", "/l.csv").empty());
}

// Writers in other processes, some killed while they write: every line whole.
TEST(WriteRecord, ParallelWritersAndKilledOnesLeaveNoTornLine) {
    const TempDir dir;
    const auto path = dir.Path() / "record.csv";
    constexpr int kWriters = 6;
    constexpr int kLinesEach = 300;
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 1; i <= kLinesEach; ++i) {
                RecordEntry entry = EntryFor("/w" + std::to_string(w), i, "success");
                // Lines of several kilobytes cross page boundaries.
                entry.values.emplace_back("DTM/HttpHeader", std::string(3000 + i, 'x'));
                AppendRecord(path, RecordLine(entry));
            }
            _exit(0);
        }
        children.push_back(child);
    }
    // Half of them are killed while they write.
    for (int w = 0; w < kWriters; w += 2) {
        while (ReadBytes(path).size() < 100000u * static_cast<unsigned>(w + 1)) {
            usleep(1000);
        }
        kill(children[static_cast<std::size_t>(w)], SIGKILL);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
    }
    ASSERT_TRUE(AppendRecord(path, RecordLine(EntryFor("/last", 1, "success"))));
    const std::string text = ReadBytes(path);
    std::istringstream lines(text);
    std::size_t count = 0;
    std::size_t torn = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        const CsvTable table = ReadCsv(line, {kRecordMaxBytes, 16, 2});
        if (table.records.size() != 1 || table.records[0].size() != 9) {
            ++torn;
        }
    }
    // At most each killed writer's last line can be cut, and it stays alone on
    // its line: no line is mixed with another.
    EXPECT_LE(torn, static_cast<std::size_t>(kWriters / 2));
    EXPECT_GT(count, static_cast<std::size_t>(kLinesEach * kWriters / 2));
    EXPECT_EQ(RowsDone(path, "/w1").size(), static_cast<std::size_t>(kLinesEach));
    EXPECT_EQ(RowsDone(path, "/last"), (std::set<std::size_t>{1}));
}

}  // namespace
}  // namespace dtu
