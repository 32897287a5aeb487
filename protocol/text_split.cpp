#include "protocol/text_split.h"

namespace dtu {

std::vector<std::string> SplitPieces(std::string_view text, std::string_view separators,
                                     std::string_view skipped) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> pieces;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && skipped.find(text[pos]) != std::string_view::npos) {
            ++pos;
        }
        const std::size_t start = pos;
        char openQuote = '\0';
        while (pos < text.size()) {
            const char c = text[pos];
            if (c == '"' || c == '\'') {
                if (openQuote == '\0') {
                    openQuote = c;
                } else if (openQuote == c) {
                    openQuote = '\0';
                }
            } else if (openQuote == '\0' && separators.find(c) != std::string_view::npos) {
                break;
            }
            ++pos;
        }
        if (pos > start) {
            pieces.emplace_back(text.substr(start, pos - start));
        }
        ++pos;  // past the separator
    }
    return pieces;
}

}  // namespace dtu
