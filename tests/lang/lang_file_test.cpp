#include "lang/lang_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "lang/atomic_write.h"
#include "lang/gbk.h"
#include "lang/lang_list.h"
#include "tests/lang/test_support.h"

namespace dtu {
namespace {

using testing::CountEntries;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", pos)) {
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    EXPECT_EQ(pos, text.size()) << "the last line lacks CR LF";
    return lines;
}

struct FileRow {
    std::string key, chinese, english;
};

const FileRow kBuiltIn[] = {
    {"lang_Menu_File", "\xCE\xC4\xBC\xFE(&F)", "File(&F)"},
    {"lang_Info_Two", "\xB5\xDA\xD2\xBB\r\n\xB5\xDA\xB6\xFE", "First\r\nSecond\r\n"},
    {"lang_Empty", "", ""},
    {"lang_Dup", "d1", "Dup first"},
    {"lang_Dup", "d2", "Dup second"},
};

void Fill(TLangList& list) {
    for (const auto& row : kBuiltIn) {
        list.AddText(row.key, row.chinese, row.english);
    }
}

TEST(LangFile, WrittenFromScratchWithHeaderAndOneLinePerRow) {
    TempDir dir;
    TLangList list;
    Fill(list);
    EXPECT_FALSE(list.LoadLangFile(dir / "Lx1Lang.txt").unwritten.has_value());

    const auto lines = SplitCrLf(ReadBytes(dir / "Lx1Lang.txt"));
    ASSERT_EQ(lines.size(), 3 + std::size(kBuiltIn));
    EXPECT_EQ(lines[0].size(), 84u);
    EXPECT_EQ(lines[1].size(), 149u);
    EXPECT_EQ(GbkToUtf8(lines[0]),
              ";\u8bed\u8a00\u6587\u4ef6\u683c\u5f0f\u4e3a: \u540d\u79f0|\u4e2d\u6587|"
              "\u82f1\u6587\uff0c\u7ad6\u7ebf\u5206\u5272\uff0c\u9017\u53f7\u4e0e\u5206\u53f7"
              "\u4e3a\u6ce8\u91ca\uff0c///\u4e3a\u6362\u884c\uff0c\u7a7a\u884c\u81ea\u52a8"
              "\u5ffd\u7565");
    EXPECT_EQ(GbkToUtf8(lines[1]),
              ";Language file format: Name|Chinese|English\uff0cvertical is delimiter\uff0c "
              "comma or semicolon is Comments\uff0c///is newline\uff0cEmpty lines automatically "
              "ignored");
    EXPECT_EQ(lines[2], " ");
    EXPECT_EQ(lines[3], "lang_Menu_File|\xCE\xC4\xBC\xFE(&F)|File(&F)");
    EXPECT_EQ(lines[4], "lang_Info_Two|\xB5\xDA\xD2\xBB///\xB5\xDA\xB6\xFE|First///Second///");
    EXPECT_EQ(lines[5], "lang_Empty||");
    EXPECT_EQ(CountEntries(dir.Path()), 1u) << "no temporary file left behind";
}

TEST(LangFile, ReadBackGivesSameTextsWithLfForCrLf) {
    TempDir dir;
    TLangList fresh;
    Fill(fresh);
    TLangList loaded;
    Fill(loaded);
    EXPECT_FALSE(loaded.LoadLangFile(dir / "Lx1Lang.txt").unwritten.has_value());
    EXPECT_EQ(loaded.FileCount(), 1 + std::size(kBuiltIn));

    for (const bool chinese : {false, true}) {
        fresh.IsChinese = loaded.IsChinese = chinese;
        for (const auto& row : kBuiltIn) {
            for (const auto& lookup : {row.key, row.chinese, row.english}) {
                if (lookup.find("\r\n") != std::string::npos) {
                    continue;  // such a text is now held with LF only
                }
                auto expected = fresh.GetText(lookup);
                for (auto pos = expected.find("\r\n"); pos != std::string::npos;
                     pos = expected.find("\r\n", pos)) {
                    expected.erase(pos, 1);
                }
                EXPECT_EQ(loaded.GetText(lookup), expected) << lookup;
            }
        }
    }
    loaded.IsChinese = false;
    EXPECT_EQ(loaded.GetText("lang_Info_Two"), "First\nSecond\n");
}

TEST(LangFile, ExistingFileIsReadNotRewritten) {
    TempDir dir;
    const std::string edited = "lang_Menu_File|\xCE\xC4|My file\r\n";
    WriteBytes(dir / "Lx1Lang.txt", edited);
    TLangList list;
    Fill(list);
    EXPECT_FALSE(list.LoadLangFile(dir / "Lx1Lang.txt").unwritten.has_value());
    EXPECT_EQ(ReadBytes(dir / "Lx1Lang.txt"), edited);
    EXPECT_EQ(list.GetText("lang_Menu_File"), "My file");
    EXPECT_EQ(list.GetText("lang_Dup"), "Dup first") << "a deleted line falls back to built-in";
}

TEST(LangFile, UnwritableFileThrowsAndReadsNothing) {
    TempDir dir;
    WriteBytes(dir / "plain", "x");
    const auto path = (dir / "plain" / "Lx1Lang.txt").string();
    TLangList list;
    Fill(list);
    const LangLoad load = list.LoadLangFile(path);
    ASSERT_TRUE(load.unwritten.has_value());
    EXPECT_EQ(load.unwritten->What(), "Unable to write to " + path);
    EXPECT_EQ(load.unwritten->reason, "Not a directory");
    EXPECT_EQ(list.FileCount(), 0u);
    EXPECT_EQ(list.GetText("lang_Menu_File"), "File(&F)");
}

TEST(LangFile, LinesSplitIntoKeyChineseEnglish) {
    struct Case {
        const char* name;
        std::string line;
        std::optional<FileRow> expected;
    };
    const Case cases[] = {
        {"empty", "", std::nullopt},
        {"comment", ";a|b|c", std::nullopt},
        {"only_cr", "\r", std::nullopt},
        {"single_space", " ", FileRow{"", "", ""}},
        {"no_bar", "plain text", FileRow{"", "", ""}},
        {"comma_is_no_comment", ",k|c|e", FileRow{",k", "c", "e"}},
        {"one_bar", "k|english", FileRow{"k", "", "english"}},
        {"two_bars", "k|c|e", FileRow{"k", "c", "e"}},
        {"middle_dropped", "k|c|drop|also|e", FileRow{"k", "c", "e"}},
        {"empty_fields", "k||", FileRow{"k", "", ""}},
        {"bar_only", "|", FileRow{"", "", ""}},
        {"newline_marks", "k///x|a///b|c//////d", FileRow{"k///x", "a\nb", "c\n\nd"}},
        {"four_slashes", "k|////|e", FileRow{"k", "\n/", "e"}},
        {"nothing_trimmed", " k | c | e ", FileRow{" k ", " c ", " e "}},
        {"crs_dropped", "k|c\rx|e\r", FileRow{"k", "cx", "e"}},
        {"nul_and_high_bytes", std::string("k\0|\xFF\x80|\x81", 7),
         FileRow{std::string("k\0", 2), "\xFF\x80", "\x81"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto entry = ParseLangLine(c.line);
        ASSERT_EQ(entry.has_value(), c.expected.has_value());
        if (entry) {
            EXPECT_EQ(entry->key, c.expected->key);
            EXPECT_EQ(entry->chinese, c.expected->chinese);
            EXPECT_EQ(entry->english, c.expected->english);
        }
    }
}

TEST(LangFile, LfAndCrLfLinesAndNoFinalNewline) {
    const auto entries = ParseLangFile("a|1|A\nb|2|B\r\n\r\n;x\nc|3|C");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].english, "A");
    EXPECT_EQ(entries[1].english, "B");
    EXPECT_EQ(entries[2].key, "c");
    EXPECT_EQ(entries[2].english, "C");
}

// However the bytes arrive, a line longer than the limit is skipped and
// entries past the limit are not kept.
TEST(LangFile, LimitsHoldWhateverTheChunks) {
    const std::string longest = "k|c|" + std::string(kLangMaxLineBytes - 4, 'e');
    std::string manyLines;
    for (std::size_t i = 0; i <= kLangMaxEntries; ++i) {
        manyLines += "k" + std::to_string(i) + "|c|e\n";
    }
    struct Case {
        const char* name;
        std::string text;
        std::size_t entries;
        std::string lastKey;
    };
    const Case cases[] = {
        {"longest_line_kept", longest + "\nb|c|e\n", 2, "b"},
        {"one_byte_longer_skipped", longest + "x\nb|c|e\n", 1, "b"},
        {"over_long_last_line", "a|c|e\n" + longest + "x", 1, "a"},
        {"over_long_comment", ";" + longest + "\na|c|e", 1, "a"},
        {"entry_limit", manyLines, kLangMaxEntries, "k" + std::to_string(kLangMaxEntries - 1)},
    };
    for (const auto& c : cases) {
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{7}, c.text.size()}) {
            SCOPED_TRACE(std::string(c.name) + " in chunks of " + std::to_string(chunk));
            LangFileParser parser;
            for (std::size_t at = 0; at < c.text.size(); at += chunk) {
                if (!parser.Feed(std::string_view(c.text).substr(at, chunk))) {
                    break;
                }
            }
            parser.Finish();
            const auto entries = parser.TakeEntries();
            ASSERT_EQ(entries.size(), c.entries);
            EXPECT_EQ(entries.back().key, c.lastKey);
        }
    }
}

TEST(LangFile, BadFilesReadWhatTheyCan) {
    TempDir dir;
    const std::string hugeLine(1 << 20, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        std::size_t entries;
        std::string lookup, english;
    };
    const Case cases[] = {
        {"nul_bytes", std::string("k\0|c|e\nn|c|N\n", 13), 2, "n", "N"},
        {"not_gbk", "\xFF\xFE|\x80|\x81\x20\n", 1, "\xFF\xFE", "\x81\x20"},
        {"huge_line_skipped", hugeLine + "|c|e\nafter|c|After\n", 1, "after", "After"},
        {"missing_fields", "k\nj|\nq|only\n", 3, "q", "only"},
        {"no_final_newline", "k|c|Last", 1, "k", "Last"},
        {"lone_cr", "k|c|a\rb\r\n", 1, "k", "ab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "lang.txt", c.bytes);
        TLangList list;
        list.ReadLangFile(dir / "lang.txt");
        EXPECT_EQ(list.FileCount(), c.entries);
        EXPECT_EQ(list.GetText(c.lookup), c.english);
    }
}

// Reading stops at the file limit, whatever the bytes are: rows before it count,
// rows past it (and a row the limit cuts) do not, and the reader is told.
TEST(LangFile, ReadingStopsAtTheFileLimit) {
    TempDir dir;
    const std::string blanks(kLangMaxFileBytes - 6, '\n');
    struct Case {
        const char* name;
        std::string bytes;
        bool whole;
        std::size_t entries;
    };
    const Case cases[] = {
        {"row_ending_at_the_limit", "a|c|A\n" + blanks, true, 1},
        {"row_past_the_limit", "a|c|A\n" + blanks + "b|c|B\n", false, 1},
        {"row_cut_by_the_limit", "a|c|A\n" + blanks.substr(1) + "b|c|B\n", false, 1},
        {"blank_lines_far_past_it", blanks + blanks + "b|c|B\n", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(dir / "lang.txt", c.bytes);
        TLangList list;
        EXPECT_EQ(list.ReadLangFile(dir / "lang.txt"), c.whole);
        EXPECT_EQ(list.FileCount(), c.entries);
        EXPECT_EQ(list.GetText("b"), "b");
    }
}

TEST(LangFile, UnreadableSourcesGiveNoEntries) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    for (const char* name : {"folder", "fifo", "missing", ""}) {
        SCOPED_TRACE(name);
        TLangList list;
        list.ReadLangFile(*name ? (dir / name).string() : "");
        EXPECT_EQ(list.FileCount(), 0u);
    }
}

TEST(LangFile, FileWithoutReadPermissionGivesNoEntries) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads any file";
    }
    TempDir dir;
    WriteBytes(dir / "lang.txt", "k|c|e\n");
    ASSERT_EQ(::chmod((dir / "lang.txt").c_str(), 0), 0);
    TLangList list;
    list.ReadLangFile(dir / "lang.txt");
    EXPECT_EQ(list.FileCount(), 0u);
}

}  // namespace
}  // namespace dtu
