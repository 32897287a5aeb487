#pragma once

#include <string>

#include "lang/lang_list.h"
#include "port/open_error.h"

namespace dtu {

// The note that tells the user why the port did not open, in `table`'s
// language (GBK bytes), the reason first.
std::string OpenErrorText(const OpenError& error, const TLangList& table);

// `pattern` with %1, %2, ... replaced by `args` in one pass, so an argument
// that itself holds "%2" stays as it is.
std::string FillTextArgs(const std::string& pattern, std::initializer_list<std::string> args);

}  // namespace dtu
