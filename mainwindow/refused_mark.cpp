#include "mainwindow/refused_mark.h"

#include <QVariant>
#include <QWidget>

namespace dtu {

void MarkRefused(QWidget* control) {
    control->setProperty(kRefusedProperty, true);
    // By its name, so that a combo's list and an edit's children keep their look.
    control->setStyleSheet(
        QStringLiteral("#%1 { border: 1px solid red; }").arg(control->objectName()));
}

void ClearRefused(QWidget* control) {
    if (control->property(kRefusedProperty).toBool()) {
        control->setProperty(kRefusedProperty, false);
        control->setStyleSheet(QString());
    }
}

}  // namespace dtu
