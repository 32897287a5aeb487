#pragma once

#include <QGroupBox>
#include <string>

#include "mainwindow/send_history.h"
#include "protocol/line_end.h"

class QComboBox;
class QPlainTextEdit;

namespace dtu {

class DigitsOnlyFilter;
class NamedControls;

// The send area: free text for the port, the line end it gets, and Up and
// Down to recall what was sent before.
class SendArea : public QGroupBox {
public:
    SendArea(QWidget* parent, DigitsOnlyFilter* digitsOnly, NamedControls& named);

    // The box's text with the chosen line end; the text is kept for recall.
    std::string TakeForSending();

    LineEnd ChosenLineEnd() const;
    void ChooseLineEnd(LineEnd end);

    QPlainTextEdit* Box() const { return box_; }
    QWidget* ClearLabel() const { return clear_; }
    QComboBox* LineEndBox() const { return lineEnd_; }

protected:
    // Up and Down recall; the upper-case hint only while Caps Lock is off.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when `key` recalled a text.
    bool Recall(int key);

    QPlainTextEdit* box_ = nullptr;
    QWidget* clear_ = nullptr;
    QComboBox* lineEnd_ = nullptr;
    SendHistory history_;
};

}  // namespace dtu
