#pragma once

#include <string>
#include <string_view>

#include "lang/lang_list.h"

namespace dtu {

// The field of the form a command line writes or reads, as the form names it
// in `table`'s language ("Heartbeat Pkt", "Use Net 3"); the command's
// own name for a line that no field shows ("ATW", "CIRELOAD"). GBK.
std::string LineFieldName(std::string_view line, const TLangList& table);

}  // namespace dtu
