#include "render/note_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "lang/builtin_texts.h"
#include "render/line_fields.h"

namespace dtu {
namespace {

// Every note the engine can emit has its own words in both languages: none
// falls back to its key, and no two kinds read alike.
TEST(NoteText, EveryKindHasItsOwnWordsInBothLanguages) {
    TLangList table;
    for (const BuiltinText& row : BuiltinTexts()) {
        table.AddText(row.key, row.chinese, row.english);
    }
    const NoteKind kinds[] = {NoteKind::Success,     NoteKind::Incomplete,   NoteKind::NoAnswer,
                              NoteKind::Garbled,     NoteKind::PortLost,     NoteKind::ReopenFailed,
                              NoteKind::Interrupted, NoteKind::NotSaved,     NoteKind::PortNotOpen,
                              NoteKind::TooLong,     NoteKind::AnswerTooLong};
    for (const bool chinese : {false, true}) {
        table.IsChinese = chinese;
        std::set<std::string> texts;
        for (const NoteKind kind : kinds) {
            EngineNote note;
            note.kind = kind;
            note.port = "/dev/ttyUSB0";
            note.baudRate = "115200";
            note.refused = {"AT+CIPCFG=1,50,0,10,0,1800\r\n"};
            const std::string text = NoteText(note, table);
            SCOPED_TRACE(static_cast<int>(kind));
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(text.find("lang_"), std::string::npos) << text;
            EXPECT_TRUE(texts.insert(text).second) << text;
            EXPECT_EQ(NoteLogKind(note),
                      kind == NoteKind::Success ? LogKind::Info : LogKind::Error);
        }
    }
}

class BuiltinTable : public TLangList {
public:
    explicit BuiltinTable(bool chinese) {
        FillLangTable(*this);
        IsChinese = chinese;
    }
};

struct NamingRow {
    const char* line;
    const char* english;
    const char* chinese;  // GBK
};

// Lines are named by the labels the form shows, a socket's with its number.
TEST(NoteText, LinesAreNamedByTheFormsLabels) {
    const NamingRow rows[] = {
        {"AT+CIPSCONT=2,\"TCP\",\"a\",2317,1\r\n", "Use Net 2",
         "\xC6\xF4\xD3\xC3\xCD\xF8\xC2\xE7 2"},
        {"AT+CIPPACK=1,\"4C4F47\",0\r\n", "Register Pkt",
         "\xD7\xA2\xB2\xE1\xB0\xFC\xB8\xF1\xCA\xBD"},
        {"AT&W\r\n", "AT&W", "AT&W"},
    };
    for (const NamingRow& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(LineFieldName(row.line, BuiltinTable(false)), row.english);
        EXPECT_EQ(LineFieldName(row.line, BuiltinTable(true)), row.chinese);
    }
}

// A reopen the server refused and the write's unsaved settings: one line, one
// tag, no sentence inside another with its own full stop.
TEST(NoteText, RunEndsInOneLine) {
    EngineNote reopen;
    reopen.kind = NoteKind::ReopenFailed;
    reopen.change.baudRate = "57600";
    reopen.reopenError.kind = OpenFailure::ServerLine;
    reopen.reopenError.path = "socket://127.0.0.1:7000";
    reopen.reopenError.systemText = "57600";
    EngineNote notSaved;
    notSaved.kind = NoteKind::NotSaved;
    const std::string text = JoinedNoteText({reopen, notSaved}, BuiltinTable(false));
    EXPECT_EQ(text.find("[Note]"), std::string::npos) << text;
    EXPECT_EQ(text.find(".."), std::string::npos) << text;
    EXPECT_EQ(text.find("[Error]", 1), std::string::npos) << text;
    EXPECT_NE(text.find("set it there to 57600. It is closed now"), std::string::npos) << text;
}

}  // namespace
}  // namespace dtu
