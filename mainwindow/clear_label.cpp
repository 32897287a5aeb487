#include "mainwindow/clear_label.h"

#include "mainwindow/named_controls.h"
#include "widgets/clickable_label.h"

namespace dtu {

ClickableLabel* AddClearLabel(QWidget* parent, const char* name, const char* text, int left,
                              int top, NamedControls& named) {
    auto* label = new ClickableLabel(parent);
    label->setObjectName(name);
    named.Record(label);
    label->setText(QString::fromUtf8(text));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(left, top, 96, 16);
    return label;
}

}  // namespace dtu
