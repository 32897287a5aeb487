#pragma once

#include "form/form_model.h"
#include "protocol/reply_parser.h"

namespace dtu {

// One reply value into the form; whether the form took it. Names that are no
// command, lists of the wrong length and numbers that do not read change
// nothing. The version reply is taken without changing the form.
bool ApplyReply(FormModel& form, const ReplyValue& reply);

}  // namespace dtu
