#pragma once

#include <string>

#include "port/open_error.h"

namespace dtu {

// Why a port did not open when no words of the language table say it: the
// system's text, or this program's own words, in English as the system gives
// its reasons (UTF-8).
std::string OpenFailureReason(const OpenError& error);

}  // namespace dtu
