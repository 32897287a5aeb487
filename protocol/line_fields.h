#pragma once

#include <string>
#include <string_view>

namespace dtu {

// The field of the form a command line writes or reads, as the form names it
// in the current language ("Heartbeat Pkt", "Transfer Net 3"); the command's
// own name for a line that no field shows ("ATW", "CIRELOAD"). GBK.
std::string LineFieldName(std::string_view line);

}  // namespace dtu
