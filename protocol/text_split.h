#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dtu {

// Cuts `text` into pieces at any byte of `separators`, dropping bytes of `skipped`
// at the start of each piece and dropping empty pieces. A single or double quote
// opens a stretch, closed by the same quote, in which separators do not cut; the
// quotes stay in the piece. A NUL byte ends the text.
std::vector<std::string> SplitPieces(std::string_view text, std::string_view separators,
                                     std::string_view skipped);

}  // namespace dtu
