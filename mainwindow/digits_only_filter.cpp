#include "mainwindow/digits_only_filter.h"

#include <QApplication>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <algorithm>
#include <iterator>

namespace dtu {

namespace {

// Shortcuts that edit or select rather than type; their keys carry control
// characters as text (Ctrl+A is 0x01), which would otherwise be refused.
constexpr QKeySequence::StandardKey kEditingShortcuts[] = {
    QKeySequence::Paste,     QKeySequence::Copy, QKeySequence::Cut,
    QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo,
};

bool IsTypable(QChar c) {
    return c.unicode() < 128 && (c.isDigit() || c == u'.');
}

bool IsTypableText(const QString& text) {
    return std::all_of(text.begin(), text.end(), IsTypable);
}

// A dragged text that may not land: the drop is refused, so the cursor says so.
bool RefusedDrag(QEvent* event) {
    auto* drag = static_cast<QDropEvent*>(event);
    const QMimeData* data = drag->mimeData();
    if (data == nullptr || !data->hasText() || IsTypableText(data->text())) {
        return false;
    }
    drag->ignore();
    return true;
}

}  // namespace

bool DigitsOnlyFilter::IsAllowed(const QKeyEvent& key) {
    if (std::any_of(std::begin(kEditingShortcuts), std::end(kEditingShortcuts),
                    [&key](QKeySequence::StandardKey shortcut) { return key.matches(shortcut); })) {
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
    return text.size() == 1 && IsTypable(text[0]);
}

bool DigitsOnlyFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (!IsAllowed(*static_cast<QKeyEvent*>(event))) {
                QApplication::beep();
                return true;
            }
            break;
        case QEvent::InputMethod: {
            auto* input = static_cast<QInputMethodEvent*>(event);
            if (!IsTypableText(input->commitString())) {
                QApplication::beep();
                // The composition still ends, so the edit drops its preview text.
                QInputMethodEvent withoutCommit(input->preeditString(), input->attributes());
                QCoreApplication::sendEvent(watched, &withoutCommit);
                return true;
            }
            break;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove:
            if (RefusedDrag(event)) {
                return true;
            }
            break;
        case QEvent::Drop:
            if (RefusedDrag(event)) {
                QApplication::beep();
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace dtu
