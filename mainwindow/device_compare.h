#pragma once

#include <functional>
#include <memory>

#include "form/form_model.h"
#include "mainwindow/compare_dialog.h"
#include "session/device_session.h"

class QWidget;

namespace dtu {

class FormBinder;
class TLangList;

// Compare with Device: reads the device into a scratch form, leaving the
// window's form as it is, and lists what write all would change, with Write
// (the usual write all) and Cancel. A read that does not end is reported by
// the run report alone.
class DeviceCompare {
public:
    DeviceCompare(QWidget* window, DeviceSession& session, const TLangList& language,
                  const FormBinder& binder, std::function<void()> writeAll);

    void Start();
    CompareDialog& Dialog() { return dialog_; }

private:
    void Finished(const RunOutcome& outcome);

    DeviceSession& session_;
    const TLangList& language_;
    const FormBinder& binder_;
    std::function<void()> writeAll_;
    CompareDialog dialog_;
    FormModel scratch_;
};

// The differences as the list shows them: the field as the form labels it,
// each value in the form's words, "not read" for a value the device did not report.
std::vector<CompareRow> CompareRows(const std::vector<FieldDifference>& differences,
                                    const TLangList& language, const FormBinder& binder);

}  // namespace dtu
