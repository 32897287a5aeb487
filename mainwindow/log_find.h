#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextEdit;
class QToolButton;

namespace dtu {

class TLangList;

// A find bar over a read-only log: every match highlighted, the current one
// selected and scrolled into view; next and previous wrap around the log.
// Enter finds the next match, Shift+Enter the previous, Escape closes the bar.
// Beside the text the bar says which match is selected of how many, or that
// there is none.
class LogFind : public QWidget {
    Q_OBJECT
public:
    LogFind(QTextEdit* log, QWidget* parent);

    // Shows the bar with the typed text selected and the focus in it.
    void Open();
    void Close();

    // Selects the next (or previous) match from the log's selection; false
    // when the text occurs nowhere.
    bool FindNext();
    bool FindPrevious();

    void ApplyTexts(const TLangList& table);

    // "2 of 5", "Not found", or nothing while no text is typed.
    QString CountText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Find(bool backwards);
    // Highlights every match; returns where each begins.
    QList<int> HighlightAll();
    void ShowCount(int current, qsizetype total);

    QTextEdit* log_;
    QLineEdit* text_;
    QToolButton* previous_;
    QToolButton* next_;
    QLabel* count_;
    const TLangList* table_ = nullptr;
};

}  // namespace dtu
