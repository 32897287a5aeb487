#pragma once

#include <QDialogButtonBox>
#include <QString>
#include <functional>
#include <span>
#include <vector>

class QDialog;
class QLabel;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace dtu {

class TLangList;

// One difference as the list shows it, in the window's words.
struct CompareRow {
    QString field;
    QString device;
    QString form;
};

struct CompareButton {
    const char* text;  // language key
    const char* name;  // object name, for tests
    QDialogButtonBox::ButtonRole role;
};

// What one list of differences is for: its object name, its title (a language
// key; none: the window's title), the header of its third column and its
// buttons, the first of which writes and the last of which cancels.
struct CompareLook {
    const char* name;
    const char* title;
    const char* formColumn;
    std::span<const CompareButton> buttons;
};

// Differences between the form and the device in a list, one row each
// (setting, device value, written value), under a question and over the
// look's buttons. Unread, it must not write: Enter and Escape cancel. Built on
// first use; the window owns it.
class CompareDialog {
public:
    // `look` outlives the dialog.
    CompareDialog(QWidget* window, const TLangList& language, const CompareLook& look);
    CompareDialog(const CompareDialog&) = delete;
    CompareDialog& operator=(const CompareDialog&) = delete;

    // Shows `rows` (none: the list is hidden) under `question`, in the language
    // chosen now, and returns; the first button runs `write` once the dialog is gone.
    void Show(const QString& question, const std::vector<CompareRow>& rows,
              std::function<void()> write);
    // Shows as Show does and waits for the answer: the index of the button
    // chosen in the look's buttons, the last one when the dialog was closed.
    int Ask(const QString& question, const std::vector<CompareRow>& rows);
    QDialog* Dialog() const { return dialog_; }

private:
    void Build();
    void Fill(const QString& question, const std::vector<CompareRow>& rows);
    int CancelAnswer() const { return static_cast<int>(look_.buttons.size()) - 1; }

    QWidget* window_;
    const TLangList& language_;
    const CompareLook& look_;
    std::function<void()> write_;
    int answer_ = 0;
    QDialog* dialog_ = nullptr;
    QLabel* question_ = nullptr;
    QTreeWidget* list_ = nullptr;
    std::vector<QPushButton*> buttons_;
};

}  // namespace dtu
