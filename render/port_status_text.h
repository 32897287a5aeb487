#pragma once

#include <string>

#include "lang/lang_list.h"
#include "session/device_session.h"

namespace dtu {

// The port part of the status bar in `table`'s language (GBK): the port's
// settings while open, the server's note when it sets the line, else the
// port-not-open note.
std::string PortStatusLine(const PortStatus& status, const TLangList& table);

// The line settings of `settings` as a reader says them: "115200, NONE, 8, 1".
std::string LineSettingsText(const PortTexts& settings);

}  // namespace dtu
