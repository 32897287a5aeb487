#include "protocol/line_end.h"

#include "lang/same_text.h"

namespace dtu {

namespace {

constexpr LineEndChoice kLineEndNames[] = {
    {LineEnd::AsTyped, "typed"},
    {LineEnd::Cr, "cr"},
    {LineEnd::Lf, "lf"},
    {LineEnd::CrLf, "crlf"},
};

std::string_view Bytes(LineEnd end) {
    switch (end) {
        case LineEnd::Cr:
            return "\r";
        case LineEnd::Lf:
            return "\n";
        case LineEnd::AsTyped:
        case LineEnd::CrLf:
            break;
    }
    return "\r\n";
}

}  // namespace

std::span<const LineEndChoice> LineEndNames() {
    return kLineEndNames;
}

const char* LineEndName(LineEnd end) {
    for (const LineEndChoice& row : kLineEndNames) {
        if (row.end == end) {
            return row.name;
        }
    }
    return kLineEndNames[0].name;
}

std::optional<LineEnd> ParseLineEnd(std::string_view name) {
    for (const LineEndChoice& row : kLineEndNames) {
        if (SameText(row.name, name)) {
            return row.end;
        }
    }
    return std::nullopt;
}

std::string WithLineEnd(std::string_view text, LineEnd end) {
    const std::string_view lineEnd = Bytes(end);
    std::string bytes;
    bytes.reserve(text.size() + lineEnd.size());
    bool open = false;  // a line has begun that no break ended yet
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            bytes += lineEnd;
            open = false;
            continue;
        }
        bytes += c;
        open = true;
    }
    if (open && end != LineEnd::AsTyped) {
        bytes += lineEnd;
    }
    return bytes;
}

bool IsUnendedAtCommand(std::string_view sent) {
    const bool at = sent.size() >= 2 && (sent[0] == 'A' || sent[0] == 'a') &&
                    (sent[1] == 'T' || sent[1] == 't');
    return at && sent.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace dtu
