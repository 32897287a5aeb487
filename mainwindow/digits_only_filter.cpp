#include "mainwindow/digits_only_filter.h"

#include <QApplication>
#include <QKeyEvent>

namespace dtu {

bool DigitsOnlyFilter::IsAllowed(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste)) {
        return true;
    }
    switch (key.key()) {
        case Qt::Key_Backspace:
        // Keys that edit or move focus rather than type, though they carry a text.
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            break;
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
