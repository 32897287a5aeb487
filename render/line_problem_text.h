#pragma once

#include <string>

#include "lang/lang_list.h"
#include "port/line_problem.h"
#include "render/open_failure_reason.h"

namespace dtu {

// Why a port or a server did not take the line settings, in `table`'s
// language, as "baud rate 115200 asked, port has 9600" says it; the system's
// reason, where it gave one, as `system` asks.
std::string LineProblemText(const LineProblem& problem, const TLangList& table, SystemWords system);

}  // namespace dtu
