#include "app/port_combo_box.h"

namespace dtu {

PortComboBox::PortComboBox(QWidget* parent) : QComboBox(parent) {
    // Picking an item replaces the free text for good.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            setPlaceholderText({});
        }
    });
}

void PortComboBox::SetText(const QString& text) {
    const int index = findText(text, Qt::MatchExactly);
    setCurrentIndex(index);
    setPlaceholderText(index < 0 ? text : QString());
}

QString PortComboBox::Text() const {
    return currentIndex() >= 0 ? currentText() : placeholderText();
}

void PortComboBox::showPopup() {
    emit dropDown();
    dropped_ = true;
    QComboBox::showPopup();
}

void PortComboBox::hidePopup() {
    QComboBox::hidePopup();
    // Hiding the box (or destroying its window) also lands here; only a list
    // that was dropped down closes up.
    if (dropped_) {
        dropped_ = false;
        emit closeUp();
    }
}

}  // namespace dtu
