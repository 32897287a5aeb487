#pragma once

#include <QString>
#include <functional>
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

// The differences between the form and the device in a list, one row each
// (setting, device value, form value), with Write and Cancel. Built on the
// first Show; the window owns it.
class CompareDialog {
public:
    CompareDialog(QWidget* window, const TLangList& language, std::function<void()> write);
    CompareDialog(const CompareDialog&) = delete;
    CompareDialog& operator=(const CompareDialog&) = delete;

    // Shows `rows` (none: the device holds what write all sends), in the
    // language chosen now; Write runs `write` once the dialog is gone.
    void Show(const std::vector<CompareRow>& rows);
    QDialog* Dialog() const { return dialog_; }

private:
    void Build();

    QWidget* window_;
    const TLangList& language_;
    std::function<void()> write_;
    QDialog* dialog_ = nullptr;
    QLabel* question_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* writeButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace dtu
