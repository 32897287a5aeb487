#include "mainwindow/digits_only_filter.h"

#include <QApplication>
#include <QKeyEvent>

namespace dtu {

bool DigitsOnlyFilter::IsAllowed(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste) || key.key() == Qt::Key_Backspace ||
        key.key() == Qt::Key_Delete) {
        return true;
    }
    const QString text = key.text();
    if (text.isEmpty()) {
        return true;
    }
    return text.size() == 1 && (text[0].isDigit() || text[0] == u'.') && text[0].unicode() < 128;
}

bool DigitsOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !IsAllowed(*static_cast<QKeyEvent*>(event))) {
        QApplication::beep();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace dtu
