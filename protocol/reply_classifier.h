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

// The device speaks ASCII: a block holding a NUL or a byte of 0x80 and above was
// damaged on the line, and none of its values may reach the form.
bool IsReadableReply(std::string_view block);

}  // namespace dtu
