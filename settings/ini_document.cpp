#include "settings/ini_document.h"

#include <map>
#include <utility>

#include "lang/same_text.h"
#include "settings/ini_value.h"

namespace dtu {

IniDocument::IniDocument(std::string_view text) {
    bool newlineChosen = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) {
            lines_.push_back(ParseLine(std::string(text), ""));
            break;
        }
        const bool crlf = end > 0 && text[end - 1] == '\r';
        const auto ending = crlf ? std::string("\r\n") : std::string("\n");
        if (!newlineChosen) {
            newline_ = ending;
            newlineChosen = true;
        }
        lines_.push_back(ParseLine(std::string(text.substr(0, crlf ? end - 1 : end)), ending));
        text.remove_prefix(end + 1);
    }
}

IniDocument::Line IniDocument::ParseLine(std::string text, std::string ending) {
    Line line;
    line.text = std::move(text);
    line.ending = std::move(ending);
    const auto content = TrimBlanks(line.text);
    if (content.empty() || content.front() == ';' || content.front() == '#') {
        return line;
    }
    if (content.front() == '[') {
        const auto close = content.find(']');
        if (close != std::string_view::npos) {
            line.kind = Kind::kSection;
            line.name = TrimBlanks(content.substr(1, close - 1));
            return line;
        }
    }
    const auto equals = line.text.find('=');
    if (equals != std::string::npos) {
        const auto name = TrimBlanks(std::string_view(line.text).substr(0, equals));
        if (!name.empty()) {
            line.kind = Kind::kKey;
            line.name = name;
            line.valueStart = equals + 1;
        }
    }
    return line;
}

std::optional<std::size_t> IniDocument::FindKey(std::string_view section,
                                                std::string_view key) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto& line = lines_[i];
        if (line.kind == Kind::kSection) {
            inSection = SameText(line.name, section);
        } else if (inSection && line.kind == Kind::kKey && SameText(line.name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> IniDocument::StoredValue(std::string_view section,
                                                         std::string_view key) const {
    const auto index = FindKey(section, key);
    if (!index) {
        return std::nullopt;
    }
    const auto& line = lines_[*index];
    return std::string_view(line.text).substr(line.valueStart);
}

std::optional<std::size_t> IniDocument::LineNumber(std::string_view section,
                                                   std::string_view key) const {
    const auto index = FindKey(section, key);
    if (!index) {
        return std::nullopt;
    }
    return *index + 1;
}

void IniDocument::SetStoredValue(std::string_view section, std::string_view key,
                                 std::string_view stored) {
    if (const auto index = FindKey(section, key)) {
        auto& line = lines_[*index];
        line.text.replace(line.valueStart, std::string::npos, stored);
        return;
    }
    const auto keyLine = std::string(key) + "=" + std::string(stored);
    std::optional<std::size_t> insertAfter;
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto& line = lines_[i];
        if (line.kind == Kind::kSection) {
            if (insertAfter) {
                break;
            }
            inSection = SameText(line.name, section);
        }
        if (inSection && line.kind != Kind::kOther) {
            insertAfter = i;
        }
    }
    if (insertAfter) {
        InsertLine(*insertAfter + 1, keyLine);
        return;
    }
    std::string header = "[";
    header.append(section).append("]");
    InsertLine(lines_.size(), std::move(header));
    InsertLine(lines_.size(), keyLine);
}

void IniDocument::InsertLine(std::size_t index, std::string text) {
    if (index > 0 && lines_[index - 1].ending.empty()) {
        lines_[index - 1].ending = newline_;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                  ParseLine(std::move(text), newline_));
}

std::string IniDocument::Text() const {
    std::string text;
    for (const auto& line : lines_) {
        text.append(line.text).append(line.ending);
    }
    return text;
}

std::vector<IniKeyName> IniDocument::KeyNames() const {
    std::vector<IniKeyName> names;
    const std::string* section = nullptr;
    for (const auto& line : lines_) {
        if (line.kind == Kind::kSection) {
            section = &line.name;
        } else if (line.kind == Kind::kKey && section != nullptr) {
            names.push_back({*section, line.name});
        }
    }
    return names;
}

std::vector<IniDuplicatedKey> IniDocument::DuplicatedKeys() const {
    std::vector<IniDuplicatedKey> duplicates;
    // The first line of each key, by its section's and its own folded names.
    std::map<std::pair<std::string, std::string>, std::size_t> firstLines;
    const std::string* section = nullptr;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto& line = lines_[i];
        if (line.kind == Kind::kSection) {
            section = &line.name;
        } else if (line.kind == Kind::kKey && section != nullptr) {
            const auto [first, added] =
                firstLines.try_emplace({FoldedText(*section), FoldedText(line.name)}, i + 1);
            if (!added) {
                duplicates.push_back({*section, line.name, first->second, i + 1});
            }
        }
    }
    return duplicates;
}

}  // namespace dtu
