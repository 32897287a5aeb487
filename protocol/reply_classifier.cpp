#include "protocol/reply_classifier.h"

namespace dtu {

namespace {

enum class Match { Contains, Equals };

struct Marker {
    Match match;
    std::string_view text;
};

// Tested in this order; the first two may stand anywhere in the block.
constexpr Marker kSuccessMarkers[] = {
    {Match::Contains, "\r\nOK\r\n"},
    {Match::Contains, "\r\n+OK\r\n"},
    {Match::Equals, "a"},            // the answer to "+++"
    {Match::Equals, "\r\n+ok\r\n"},  // the answer to "a"
};

constexpr std::string_view kErrorMarkers[] = {"ERROR", "UNKNOW"};

bool Matches(std::string_view block, const Marker& marker) {
    return marker.match == Match::Equals ? block == marker.text
                                         : block.find(marker.text) != std::string_view::npos;
}

}  // namespace

ReplyKind ClassifyReply(std::string_view block) {
    for (const Marker& marker : kSuccessMarkers) {
        if (Matches(block, marker)) {
            return ReplyKind::Success;
        }
    }
    for (const std::string_view marker : kErrorMarkers) {
        if (block.find(marker) != std::string_view::npos) {
            return ReplyKind::Error;
        }
    }
    return ReplyKind::Other;
}

bool IsReadableReply(std::string_view block) {
    for (const char c : block) {
        if (c == '\0' || static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace dtu
