#pragma once

#include "form/form_model.h"
#include "protocol/reply_parser.h"

namespace dtu {

// One reply value into the form. Names that are no command, the version reply,
// lists of the wrong length and numbers that do not read change nothing.
void ApplyReply(FormModel& form, const ReplyValue& reply);

}  // namespace dtu
