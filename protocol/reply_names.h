#pragma once

#include <string>
#include <string_view>

#include "protocol/reply_parser.h"

namespace dtu {

// Whether a reply line named `name` carries a value of the answer to a line of
// `command`: the answer to the sockets query reports the whole data page under
// the names of its own commands; every other answer reports its command.
bool AnswersCommand(std::string_view command, std::string_view name);

// What a reply reports: its name in capitals and, for a reply that starts with
// the number of a socket or packet, that number after a comma.
std::string ReplyKey(const ReplyValue& reply);

}  // namespace dtu
