#include "tools/dtusim/sim_text.h"

#include <algorithm>

namespace dtu::sim {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::vector<std::string> SplitItems(std::string_view value) {
    std::vector<std::string> items;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= value.size(); ++i) {
        if (i == value.size() || (value[i] == ',' && !quoted)) {
            items.emplace_back(TrimBlanks(value.substr(start, i - start)));
            start = i + 1;
        } else if (value[i] == '"') {
            quoted = !quoted;
        }
    }
    return items;
}

std::optional<std::string> Unquote(std::string_view item) {
    if (item.size() >= 2 && item.front() == '"' && item.back() == '"') {
        item = item.substr(1, item.size() - 2);
    }
    if (item.find('"') != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(item);
}

bool IsDigits(std::string_view text, std::size_t maxDigits) {
    return !text.empty() && text.size() <= maxDigits &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsPhoneNumber(std::string_view text) {
    constexpr std::size_t kMaxPhoneDigits = 20;
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    return IsDigits(text, kMaxPhoneDigits);
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    out += text;
    out += '"';
    return out;
}

}  // namespace dtu::sim
