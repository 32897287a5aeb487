#include "protocol/reply_names.h"

#include <optional>

#include "lang/same_text.h"
#include "protocol/commands.h"

namespace dtu {

std::string ReplyKey(const ReplyValue& reply) {
    std::string key = UpperText(reply.name);
    const std::optional<TCmd> cmd = CmdByName(reply.name);
    if (cmd && NumberedReply(*cmd)) {
        const std::string number = reply.value.substr(0, reply.value.find(','));
        // "02" names the second socket as "2" does.
        const std::optional<std::int64_t> parsed = ParseDecimal(number);
        key += "," + (parsed ? std::to_string(*parsed) : number);
    }
    return key;
}

bool AnswersCommand(std::string_view command, std::string_view name) {
    if (!name.empty() && SameText(command, name)) {
        return true;
    }
    const std::optional<TCmd> reported = CmdByName(name);
    return reported && CmdByName(command) == kSocketsCmd && OnSocketsPage(*reported);
}

}  // namespace dtu
