#include "protocol/reply_names.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "lang/same_text.h"
#include "protocol/commands.h"

namespace dtu {

namespace {

// The sockets query reports the whole data page under its commands' own names.
constexpr TCmd kSocketsPageReplies[] = {TCmd::CIPCFG,  TCmd::CIPPACK, TCmd::CIPSTART, TCmd::CIMOD,
                                        TCmd::CINETAT, TCmd::CICOMAT, TCmd::CSTT,     TCmd::CIPNUM};

}  // namespace

std::string ReplyKey(const ReplyValue& reply) {
    std::string key = UpperText(reply.name);
    const std::optional<TCmd> cmd = CmdByName(reply.name);
    if (cmd == TCmd::CIPPACK || cmd == TCmd::CIPSTART) {
        key += "," + reply.value.substr(0, reply.value.find(','));
    }
    return key;
}

bool AnswersCommand(std::string_view command, std::string_view name) {
    if (!name.empty() && SameText(command, name)) {
        return true;
    }
    const std::optional<TCmd> reported = CmdByName(name);
    return reported && CmdByName(command) == TCmd::CIPSCONT &&
           std::ranges::find(kSocketsPageReplies, *reported) != std::end(kSocketsPageReplies);
}

}  // namespace dtu
