#include "lang/csv_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dtu {
namespace {

constexpr CsvBounds kCsvTestBounds{8, 4, 3};

using Cells = std::vector<std::string>;

std::vector<Cells> TextsOf(const CsvTable& table) {
    std::vector<Cells> texts;
    for (const CsvRecord& record : table.records) {
        texts.emplace_back();
        for (const CsvCell& cell : record) {
            texts.back().push_back(cell.text);
        }
    }
    return texts;
}

struct CsvCase {
    const char* name;
    std::string text;
    std::vector<Cells> records;
};

TEST(CsvTable, ReadsRecordsAsRfc4180WritesThem) {
    const CsvCase cases[] = {
        {"lf", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"crlf and no last end", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
        {"quoted comma and quote", "\"x,\"\"y\"\"\",z\n", {{"x,\"y\"", "z"}}},
        {"line break inside quotes", "\"a\r\nb\",c\n", {{"a\r\nb", "c"}}},
        {"empty cells", ",,\n\"\",x\n", {{"", "", ""}, {"", "x"}}},
        {"blank lines hold no record", "a\n\r\n\nb\n", {{"a"}, {"b"}}},
        {"a lone CR is a byte", "a\rb\n", {{"a\rb"}}},
    };
    for (const CsvCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvTable table = ReadCsv(c.text, kCsvTestBounds);
        EXPECT_EQ(table.fault, CsvFault::None);
        EXPECT_EQ(TextsOf(table), c.records);
    }
}

struct CsvFaultCase {
    const char* name;
    std::string text;
    CsvFault fault;
    std::size_t line;
    std::size_t column;
};

TEST(CsvTable, NamesWhereTheTextBreaksAndTheBoundsIt) {
    const CsvFaultCase cases[] = {
        {"quote in a bare cell", "a,b\nx,y\"z\n", CsvFault::QuoteInBareCell, 2, 2},
        {"text after the closing quote", "\"a\"b\n", CsvFault::TextAfterQuote, 1, 1},
        {"unclosed quote", "a\n\"b,\nc\n", CsvFault::UnclosedQuote, 2, 1},
        {"cell too long", "a,123456789\n", CsvFault::CellTooLong, 1, 2},
        {"quoted cell too long", "\"123456789\"\n", CsvFault::CellTooLong, 1, 1},
        {"too many cells", "a,b,c,d,e\n", CsvFault::TooManyCells, 1, 5},
        {"too many records", "a\nb\nc\nd\n", CsvFault::TooManyRecords, 4, 1},
    };
    for (const CsvFaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CsvTable table = ReadCsv(c.text, kCsvTestBounds);
        EXPECT_EQ(table.fault, c.fault);
        EXPECT_EQ(table.line, c.line);
        EXPECT_EQ(table.column, c.column);
        EXPECT_TRUE(table.records.empty());
    }
}

TEST(CsvTable, CellLineCountsQuotedLineBreaks) {
    const CsvTable table = ReadCsv("\"a\nb\",c\nd\n", kCsvTestBounds);
    ASSERT_EQ(table.records.size(), 2u);
    EXPECT_EQ(table.records[0][1].line, 2u);
    EXPECT_EQ(table.records[1][0].line, 3u);
}

TEST(CsvTable, FieldReadsBackAsItWas) {
    EXPECT_EQ(CsvField("plain"), "plain");
    const std::string odd = "x\"\n,y";
    EXPECT_EQ(TextsOf(ReadCsv(CsvField(odd) + "\n", {16, 2, 2})), std::vector<Cells>{{odd}});
}

TEST(CsvTable, TellsUtf8FromGbk) {
    EXPECT_TRUE(IsUtf8("plain"));
    EXPECT_TRUE(IsUtf8("\xE4\xB8\xAD\xE6\x96\x87"));  // 中文
    EXPECT_TRUE(IsUtf8("\xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsUtf8("\xD6\xD0\xCE\xC4"));  // 中文 in GBK
    EXPECT_FALSE(IsUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(IsUtf8("\xE4\xB8"));          // cut short
}

}  // namespace
}  // namespace dtu
