#pragma once

#include <QString>
#include <string>

#include "form/device_map.h"

class QWidget;

namespace dtu {

class TLangList;

// A field as the form labels it in the table's language: "Heartbeat",
// "Port 2", "Use Net 3".
QString ShownFieldName(const TLangList& table, Field field);

// What a value must be to keep `rule`, in the table's language.
QString RuleText(const TLangList& table, ValueRule rule);

// A value as the device reports it or a write sends it (GBK), in the words the
// form uses: a tick as on or off, an index of a list whose texts are the
// language's as its item in `control`, nothing as the empty word.
QString ShownValue(const TLangList& table, Field field, const std::string& value,
                   const QWidget* control);

}  // namespace dtu
