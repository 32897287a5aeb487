#pragma once

#include <string_view>

namespace dtu {

enum class ReplyKind {
    Success,  // parse it and go on with the next line
    Error,    // skip the line
    Other,    // show it and wait
};

// How the receive handling treats one received block; case-sensitive.
ReplyKind ClassifyReply(std::string_view block);

}  // namespace dtu
