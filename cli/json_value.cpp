#include "cli/json_value.h"

#include <algorithm>
#include <optional>

#include "lang/gbk.h"
#include "lang/same_text.h"

namespace dtu::cli {

namespace {

// Digits only, within 64 bits: a sign or a blank keeps a value a text.
std::optional<std::int64_t> Digits(std::string_view text) {
    const bool digits = !text.empty() && std::all_of(text.begin(), text.end(),
                                                     [](char c) { return c >= '0' && c <= '9'; });
    return digits ? ParseDecimal(std::string(text)) : std::nullopt;
}

void WriteNumber(JsonWriter& json, std::string_view gbk) {
    if (gbk.empty()) {
        json.Null();
    } else if (const std::optional<std::int64_t> number = Digits(gbk)) {
        json.Integer(*number);
    } else {
        json.String(GbkToUtf8(gbk));
    }
}

}  // namespace

void WriteJsonValue(JsonWriter& json, JsonType type, std::string_view gbk) {
    switch (type) {
        case JsonType::Number:
        case JsonType::ItemNumber:
            WriteNumber(json, gbk);
            return;
        case JsonType::Bool:
            json.Bool(gbk == "1");
            return;
        case JsonType::Index:
            if (const std::optional<std::int64_t> index = ParseDecimal(std::string(gbk))) {
                json.Integer(*index);
                return;
            }
            break;
        case JsonType::Text:
        case JsonType::ItemText:
            break;
    }
    json.String(GbkToUtf8(gbk));
}

std::string JsonKeyName(std::string_view key) {
    std::string name(key);
    std::erase(name, ' ');
    return name;
}

}  // namespace dtu::cli
