#pragma once

#include <QString>
#include <string>

#include "form/device_map.h"

class QWidget;

namespace dtu {

// A field as the form labels it in the current language: "Heartbeat",
// "Transfer Net 2 Port", "Use Net 3".
QString ShownFieldName(Field field);

// What a value must be to keep `rule`, in the current language.
QString RuleText(ValueRule rule);

// A value as the device reports it or a write sends it (GBK), in the words the
// form uses: a tick as on or off, an index of a list whose texts are the
// language's as its item in `control`, nothing as the empty word.
QString ShownValue(Field field, const std::string& value, const QWidget* control);

}  // namespace dtu
