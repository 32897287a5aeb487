#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dtu {

// One reply line as the form takes it: the name as received and the value
// without double quotes and blanks.
struct ReplyValue {
    std::string name;
    std::string value;

    bool operator==(const ReplyValue&) const = default;
};

// The name and value of a "+NAME:value" line, or the version command's name and
// "major.minor" of a "V3." version line; nullopt for a line that ends the useful part of the block.
std::optional<ReplyValue> ParseReplyLine(std::string_view line);

}  // namespace dtu
