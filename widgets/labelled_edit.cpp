#include "widgets/labelled_edit.h"

#include <QEvent>

namespace dtu {

namespace {
constexpr int kLabelGap = 3;
}

LabelledEdit::LabelledEdit(QWidget* parent, const QString& name)
    : QLineEdit(parent), label_(new QLabel(parent)) {
    setObjectName(name);
    label_->setObjectName(name + "_label");
    label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void LabelledEdit::SetLabelText(const QString& text) {
    label_->setText(text);
    PlaceLabel();
}

void LabelledEdit::setVisible(bool visible) {
    QLineEdit::setVisible(visible);
    label_->setVisible(visible);
}

void LabelledEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        // Only the edit's own state: a disabled parent disables the label by itself.
        label_->setEnabled(!testAttribute(Qt::WA_ForceDisabled));
    }
    QLineEdit::changeEvent(event);
}

void LabelledEdit::moveEvent(QMoveEvent* event) {
    QLineEdit::moveEvent(event);
    PlaceLabel();
}

void LabelledEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    PlaceLabel();
}

void LabelledEdit::PlaceLabel() {
    const int width = label_->fontMetrics().horizontalAdvance(label_->text());
    label_->setGeometry(x() - kLabelGap - width, y(), width, height());
}

}  // namespace dtu
