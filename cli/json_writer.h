#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dtu::cli {

// Builds JSON text indented by two blanks per level. Texts must be UTF-8; keys
// and values are escaped here. The caller keeps the nesting right.
class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view text);
    JsonWriter& Integer(std::int64_t value);
    // A fixed-point number with `decimals` digits after the point.
    JsonWriter& Number(double value, int decimals);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    // The text so far; a line end follows the outermost value once it is closed.
    const std::string& Text() const { return text_; }

private:
    void BeforeValue();
    JsonWriter& Open(char bracket);
    JsonWriter& Close(char bracket);
    void NewLine(std::size_t depth);

    std::string text_;
    std::vector<bool> hasItems_;  // one per open object or array
    bool afterKey_ = false;
};

// The text between double quotes, with quotes, backslashes and control bytes escaped.
std::string JsonQuoted(std::string_view text);

}  // namespace dtu::cli
