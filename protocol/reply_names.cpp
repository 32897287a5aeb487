#include "protocol/reply_names.h"

#include <optional>

#include "lang/same_text.h"
#include "protocol/commands.h"

namespace dtu {

namespace {

struct PageReply {
    TCmd query;
    TCmd reported;
};

constexpr PageReply kPageReplies[] = {
    {TCmd::CIPSCONT, TCmd::CIPCFG},   {TCmd::CIPSCONT, TCmd::CIPPACK},
    {TCmd::CIPSCONT, TCmd::CIPSTART}, {TCmd::CIPSCONT, TCmd::CIMOD},
    {TCmd::CIPSCONT, TCmd::CINETAT},  {TCmd::CIPSCONT, TCmd::CICOMAT},
    {TCmd::CIPSCONT, TCmd::CSTT},     {TCmd::CIPSCONT, TCmd::CIPNUM},
};

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
    const std::optional<TCmd> query = CmdByName(command);
    const std::optional<TCmd> reported = CmdByName(name);
    if (!query || !reported) {
        return false;
    }
    for (const PageReply& row : kPageReplies) {
        if (row.query == *query && row.reported == *reported) {
            return true;
        }
    }
    return false;
}

}  // namespace dtu
