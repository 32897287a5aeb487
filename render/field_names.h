#pragma once

#include <string>

#include "form/form_fields.h"
#include "lang/lang_list.h"

namespace dtu {

// A field as the form labels it in `table`'s language (GBK): "Heartbeat",
// "Port 2", "Use Net 3"; a socket's fields carry the socket number after their
// label. A field no label names goes by its profile key ("DTM/D2D ID").
std::string FieldName(const TLangList& table, Field field);

// The label alone, without a socket's number: "Use Net".
std::string FieldLabel(const TLangList& table, Field field);

// A label's text without the blanks and colon that lay it out, inner runs of
// blanks made one (GBK).
std::string LabelText(const TLangList& table, const char* key);

}  // namespace dtu
