#pragma once

#include <QObject>

class QKeyEvent;

namespace dtu {

// Lets only digits, ".", Backspace and the editing shortcuts (paste, copy, cut,
// select all, undo, redo) through as typed characters of the edits it watches;
// any other character is dropped with a beep. Keys that type nothing (arrows,
// Shift+arrows, Home, Delete) pass, and pasted text is not filtered. Text an
// input method commits and text dropped with the mouse follow the same rule.
class DigitsOnlyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    static bool IsAllowed(const QKeyEvent& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace dtu
