#include "cli/terminal_text.h"

#include <cstdio>

namespace dtu::cli {

std::string EscapedText(std::string_view utf8) {
    std::string out;
    for (const char c : utf8) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace dtu::cli
