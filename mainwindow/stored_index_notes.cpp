#include "mainwindow/stored_index_notes.h"

#include <QComboBox>
#include <cstring>
#include <optional>

#include "form/form_fields.h"
#include "form/form_profile.h"
#include "form/stored_indexes.h"
#include "mainwindow/form_binder.h"
#include "mainwindow/info_area.h"
#include "widgets/form_text.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

// The field whose list a stored index selects in; none for the view.
std::optional<Field> ListField(const IndexOutsideList& index) {
    const auto is = [&index](const char* section, const char* key) {
        return std::strcmp(index.section, section) == 0 && std::strcmp(index.key, key) == 0;
    };
    if (is(kWorkModeKey.section, kWorkModeKey.key)) {
        return Field::WorkMode;
    }
    for (const FieldRow& row : FormFields()) {
        if (row.section != nullptr && is(row.section, row.key)) {
            return row.field;
        }
    }
    return std::nullopt;
}

}  // namespace

void ShowIndexesOutsideLists(const IniFile& file, const QString& fileName, const FormBinder& binder,
                             const TLangList& language, InfoArea& info) {
    for (const IndexOutsideList& index : IndexesOutsideLists(file, false)) {
        QString used = QString::number(index.used);
        if (const std::optional<Field> field = ListField(index)) {
            const auto* list = static_cast<const QComboBox*>(binder.Control(*field));
            used += QStringLiteral(" (%1)").arg(list->itemText(index.used));
        }
        info.ShowInfoLine(TrWith(language, "lang_Info_IndexOutsideList",
                                 {fileName, QStringLiteral("%1/%2").arg(index.section, index.key),
                                  FromGbk(index.found), used}));
    }
}

}  // namespace dtu
