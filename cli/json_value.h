#pragma once

#include <string>
#include <string_view>

#include "cli/json_writer.h"
#include "form/device_map.h"

namespace dtu::cli {

// Writes a value the form or the device holds (GBK) as JSON shows its type:
// digits that fit as a number, nothing as null and anything else as a text for
// Number and ItemNumber; true for "1" for Bool; the number for Index; a text
// for Text and ItemText. A value its type cannot show stays a text.
void WriteJsonValue(JsonWriter& json, JsonType type, std::string_view gbk);

// A profile key as a JSON key: without its blanks ("APN Index": "APNIndex").
std::string JsonKeyName(std::string_view key);

}  // namespace dtu::cli
