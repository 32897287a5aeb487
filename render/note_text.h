#pragma once

#include <string>
#include <vector>

#include "lang/lang_list.h"
#include "protocol/engine_host.h"
#include "protocol/engine_note.h"

namespace dtu {

// The log line a note of the engine stands for, in `table`'s language (GBK):
// a success note, or the red line that ends a run that did not succeed, a
// lost port or a line that could not go out. Lines are named by the fields
// they carry.
std::string NoteText(const EngineNote& note, const TLangList& table);
// The notes one run ended with as one line: the first as NoteText words it,
// the others following without their tags.
std::string JoinedNoteText(const std::vector<EngineNote>& notes, const TLangList& table);
// A success is information; everything else is an error.
LogKind NoteLogKind(const EngineNote& note);

}  // namespace dtu
