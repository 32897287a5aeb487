#include "mainwindow/named_controls.h"

namespace dtu {

void NamedControls::Record(QObject* control) {
    byName_.try_emplace(control->objectName().toStdString(), control);
}

QObject* NamedControls::Recorded(std::string_view name) const {
    const auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

}  // namespace dtu
