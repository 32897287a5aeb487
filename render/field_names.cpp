#include "render/field_names.h"

#include "form/form_profile.h"

namespace dtu {

namespace {

constexpr std::string_view kFullWidthColon = "\xA3\xBA";

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string LabelText(const TLangList& table, const char* key) {
    std::string text;
    // Blanks are single bytes in GBK: no character's second byte is one.
    for (const char c : table.GetText(key)) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!blank) {
            text += c;
        } else if (!text.empty() && text.back() != ' ') {
            text += ' ';
        }
    }
    while (true) {
        if (!text.empty() && (text.back() == ' ' || text.back() == ':')) {
            text.pop_back();
        } else if (EndsWith(text, kFullWidthColon)) {
            text.resize(text.size() - kFullWidthColon.size());
        } else {
            return text;
        }
    }
}

std::string FieldLabel(const TLangList& table, Field field) {
    const FieldRow& row = RowOf(field);
    return row.label == nullptr ? ProfileKeyName(field) : LabelText(table, row.label);
}

std::string FieldName(const TLangList& table, Field field) {
    std::string name = FieldLabel(table, field);
    if (const int socket = SocketNumberOf(field); socket != 0) {
        name += " " + std::to_string(socket);
    }
    return name;
}

}  // namespace dtu
