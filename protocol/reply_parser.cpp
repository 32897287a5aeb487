#include "protocol/reply_parser.h"

#include <climits>

#include "protocol/commands.h"
#include "protocol/text_helpers.h"
#include "protocol/text_split.h"

namespace dtu {

namespace {

constexpr std::string_view kVersionLineStart = "V3.";

// 1-based position of the first `c`, or 0.
int PositionOf(std::string_view line, char c) {
    const std::size_t found = line.find(c);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::optional<ReplyValue> ParseVersionLine(std::string_view line) {
    if (!line.starts_with(kVersionLineStart)) {
        return std::nullopt;
    }
    const std::vector<std::string> pieces = SplitPieces(line, ".", " V");
    if (pieces.size() < 2) {
        return std::nullopt;
    }
    return ReplyValue{std::string(CmdName(kVersionCmd)), pieces[0] + "." + pieces[1]};
}

}  // namespace

std::optional<ReplyValue> ParseReplyLine(std::string_view line) {
    // Blocks hold at most 65535 bytes; anything longer cannot be a reply line.
    if (line.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::nullopt;
    }
    const int plus = PositionOf(line, '+');
    const int colon = PositionOf(line, ':');
    std::string name = SubText(line, plus + 1, colon - 1);
    if (name.empty()) {
        return ParseVersionLine(line);
    }
    const int length = static_cast<int>(line.size());
    return ReplyValue{std::move(name), DelSpaces(DelQuotes(SubText(line, colon + 1, length)))};
}

}  // namespace dtu
