#pragma once

#include <QToolBar>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "form/device_list.h"
#include "form/form_model.h"

class QLabel;
class QMainWindow;
class QToolButton;

namespace dtu {

class FormBinder;
class InfoArea;
class TLangList;
class WriteRecorder;

// A device list over the form: the strip above it names the list, the row
// shown ("row 3 of 120") and its key, with back and next. The row's values
// fill the form over the base (the form as the list was opened, or the
// profile imported since) and the fields it sets are framed. A write all that
// succeeds marks the row done in the record and shows the next row not done.
// It lives as long as the window, which drops the recorder before its
// children: neither calls the other once the window is going.
class DeviceListStrip : public QToolBar {
    Q_OBJECT
public:
    DeviceListStrip(QMainWindow& window, FormModel& form, const FormBinder& binder,
                    WriteRecorder& recorder, const TLangList& language, InfoArea& log);

    // Reads and checks the list at `path` over the form as it is; on success
    // shows the first row the record does not show done, else logs why.
    bool Open(const QString& path);
    // The form as it is now is the base the rows go over (an imported profile).
    void TakeBase();
    // Closes the list; the form keeps the values it shows.
    void CloseList();
    void ApplyTexts();

    bool IsOpen() const { return list_.has_value(); }
    std::size_t Row() const { return row_; }

private:
    void ShowRow(std::size_t row);
    void WriteEnded(bool success);
    void ClearMarks();
    // The first row from `from` on that is not done, or nothing.
    std::optional<std::size_t> NextUndone(std::size_t from) const;
    void LogProblems(const QString& path, const std::vector<ListProblem>& problems);
    // Makes room for the strip in the window's least height, or gives it back.
    void Reserve(bool shown);

    QMainWindow& window_;
    FormModel& form_;
    const FormBinder& binder_;
    WriteRecorder& recorder_;
    const TLangList& language_;
    InfoArea& log_;

    QLabel* name_ = nullptr;
    QLabel* position_ = nullptr;
    QLabel* key_ = nullptr;
    QLabel* record_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* next_ = nullptr;
    QToolButton* close_ = nullptr;

    std::optional<DeviceList> list_;
    std::string listPath_;  // absolute, UTF-8
    FormModel base_;
    std::set<std::size_t> done_;  // from 1, as the record numbers rows
    std::size_t row_ = 0;         // from 0
    std::vector<QWidget*> marked_;
    int reserved_ = 0;
};

}  // namespace dtu
