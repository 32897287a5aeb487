#include "mainwindow/field_words.h"

#include <QComboBox>

#include "render/field_names.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

constexpr const char* kRuleKeys[kValueRuleCount] = {
    "lang_Rule_Choice", "lang_Rule_Number", "lang_Rule_SpacedNumber",
    "lang_Rule_Port",   "lang_Rule_Phone",  "lang_Rule_QuotedText",
    "lang_Rule_Text",   "lang_Rule_Apn",    "lang_Rule_HexPacket",
};

}  // namespace

QString ShownFieldName(const TLangList& table, Field field) {
    return FromGbk(FieldName(table, field));
}

QString RuleText(const TLangList& table, ValueRule rule) {
    return Tr(table, kRuleKeys[static_cast<int>(rule)]);
}

QString ShownValue(const TLangList& table, Field field, const std::string& value,
                   const QWidget* control) {
    const FieldRow& row = RowOf(field);
    if (row.kind == FieldKind::Tick) {
        return Tr(table, value == "1" ? "lang_Value_On" : "lang_Value_Off");
    }
    const auto* combo = qobject_cast<const QComboBox*>(control);
    bool isIndex = false;
    const int index = QString::fromStdString(value).toInt(&isIndex);
    if (row.kind == FieldKind::Item && row.items.empty() && combo != nullptr && isIndex &&
        index >= 0 && index < combo->count()) {
        return combo->itemText(index);
    }
    return value.empty() ? Tr(table, "lang_Value_Empty") : FromGbk(value);
}

}  // namespace dtu
