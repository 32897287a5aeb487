#include "lang/lang_file.h"

namespace dtu {

// GBK bytes; the commas are full-width (A3 AC).
const std::string_view kLangFileHeader1 =
    ";\xD3\xEF\xD1\xD4\xCE\xC4\xBC\xFE\xB8\xF1\xCA\xBD\xCE\xAA: \xC3\xFB\xB3\xC6|\xD6\xD0\xCE\xC4|"
    "\xD3\xA2\xCE\xC4\xA3\xAC\xCA\xFA\xCF\xDF\xB7\xD6\xB8\xEE\xA3\xAC\xB6\xBA\xBA\xC5\xD3\xEB\xB7"
    "\xD6\xBA\xC5\xCE\xAA\xD7\xA2\xCA\xCD\xA3\xAC///\xCE\xAA\xBB\xBB\xD0\xD0\xA3\xAC\xBF\xD5\xD0"
    "\xD0\xD7\xD4\xB6\xAF\xBA\xF6\xC2\xD4";
const std::string_view kLangFileHeader2 =
    ";Language file format: Name|Chinese|English\xA3\xAC"
    "vertical is delimiter\xA3\xAC comma or semicolon is Comments\xA3\xAC///is newline\xA3\xAC"
    "Empty lines automatically ignored";

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kNewlineMark = "///";

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0;;) {
        const auto found = text.find(from, pos);
        if (found == std::string_view::npos) {
            result.append(text.substr(pos));
            return result;
        }
        result.append(text.substr(pos, found - pos));
        result.append(to);
        pos = found + from.size();
    }
}

}  // namespace

std::string FormatLangFile(const std::vector<LangEntry>& rows) {
    std::string text;
    text.append(kLangFileHeader1).append(kLineEnd);
    text.append(kLangFileHeader2).append(kLineEnd);
    text.append(" ").append(kLineEnd);
    for (const auto& row : rows) {
        text.append(row.key);
        text.append("|").append(ReplaceAll(row.chinese, kLineEnd, kNewlineMark));
        text.append("|").append(ReplaceAll(row.english, kLineEnd, kNewlineMark));
        text.append(kLineEnd);
    }
    return text;
}

std::optional<LangEntry> ParseLangLine(std::string_view rawLine) {
    // Lines end in CR LF: a CR at the end alone is cut off without a copy.
    std::string_view line = rawLine;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::string withoutCrs;
    if (line.find('\r') != std::string_view::npos) {
        for (const char c : line) {
            if (c != '\r') {
                withoutCrs.push_back(c);
            }
        }
        line = withoutCrs;
    }
    if (line.empty() || line.front() == ';') {
        return std::nullopt;
    }
    LangEntry entry;
    const auto first = line.find('|');
    if (first == std::string_view::npos) {
        return entry;
    }
    entry.key = line.substr(0, first);
    const auto second = line.find('|', first + 1);
    if (second != std::string_view::npos) {
        entry.chinese = ReplaceAll(line.substr(first + 1, second - first - 1), kNewlineMark, "\n");
    }
    entry.english = ReplaceAll(line.substr(line.rfind('|') + 1), kNewlineMark, "\n");
    return entry;
}

bool LangFileParser::Feed(std::string_view bytes) {
    while (!bytes.empty() && entries_.size() < kLangMaxEntries) {
        const auto end = bytes.find('\n');
        const auto part = bytes.substr(0, end);
        // A whole line within these bytes is read where it lies.
        if (end != std::string_view::npos && line_.empty() && !overLong_ &&
            part.size() <= kLangMaxLineBytes) {
            Keep(part);
            bytes.remove_prefix(end + 1);
            continue;
        }
        if (!overLong_) {
            if (line_.size() + part.size() > kLangMaxLineBytes) {
                overLong_ = true;
                line_.clear();
            } else {
                line_.append(part);
            }
        }
        if (end == std::string_view::npos) {
            break;
        }
        EndLine();
        bytes.remove_prefix(end + 1);
    }
    return entries_.size() < kLangMaxEntries;
}

void LangFileParser::Finish() {
    if (entries_.size() < kLangMaxEntries) {
        EndLine();
    }
}

void LangFileParser::Keep(std::string_view line) {
    if (auto entry = ParseLangLine(line)) {
        entries_.push_back(std::move(*entry));
    }
}

void LangFileParser::EndLine() {
    if (!overLong_) {
        Keep(line_);
    }
    line_.clear();
    overLong_ = false;
}

std::vector<LangEntry> ParseLangFile(std::string_view text) {
    LangFileParser parser;
    parser.Feed(text);
    parser.Finish();
    return parser.TakeEntries();
}

}  // namespace dtu
