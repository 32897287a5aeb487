#pragma once

#include <string>
#include <string_view>

namespace dtu::cli {

// UTF-8 text for a terminal line, with CR, LF and every other control byte
// written as \r, \n, \xHH: what a port name, a file's value or a device's
// answer holds can never reach the terminal as a control sequence.
std::string EscapedText(std::string_view utf8);

}  // namespace dtu::cli
