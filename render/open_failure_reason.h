#pragma once

#include <string>

#include "lang/lang_list.h"
#include "port/open_error.h"

namespace dtu {

// How the system's own reasons go into a text: as the system gives them
// (UTF-8), for a terminal; or as GBK, for the windows' language texts.
enum class SystemWords { AsGiven, AsGbk };

// The system's reason for `error` (an errno) as `system` asks; empty for 0.
std::string SystemWordsOf(int error, SystemWords system);

// `text` the system gave, as `system` asks.
std::string SystemTextAs(const std::string& text, SystemWords system);

// Why a port did not open when no sentence of its own says it: the system's
// text, or this program's own words in `table`'s language, read as the
// system gives its reasons.
std::string OpenFailureReason(const OpenError& error, const TLangList& table, SystemWords system);

}  // namespace dtu
