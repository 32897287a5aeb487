#include "render/note_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "lang/builtin_texts.h"

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

}  // namespace
}  // namespace dtu
