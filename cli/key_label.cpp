#include "cli/key_label.h"

#include "form/form_profile.h"
#include "lang/builtin_texts.h"
#include "lang/gbk.h"
#include "render/field_names.h"

namespace dtu::cli {

namespace {

// Built once, on the first result line that names a key; only read after that.
const TLangList& EnglishLabels() {
    static TLangList table;
    static const bool filled = [] {
        FillLangTable(table);
        table.IsChinese = false;
        return true;
    }();
    static_cast<void>(filled);
    return table;
}

}  // namespace

std::string LabelledKey(const std::string& key) {
    for (std::size_t index = 0; index < kFieldCount; ++index) {
        const auto field = static_cast<Field>(index);
        if (ProfileKeyName(field) != key) {
            continue;
        }
        const std::string label = FieldName(EnglishLabels(), field);
        return RowOf(field).label == nullptr ? key : key + " (" + GbkToUtf8(label) + ")";
    }
    return key;
}

}  // namespace dtu::cli
