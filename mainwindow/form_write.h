#pragma once

#include <vector>

#include "mainwindow/compare_dialog.h"
#include "session/device_session.h"

class QWidget;

namespace dtu {

class FormBinder;
class InfoArea;
class RunReport;
class TLangList;

// The form written to the device, by write all or as an SMS: values that break
// their rules are framed and named and nothing is sent; in the compact view,
// changes to values it hides are asked about first.
class FormWrite {
public:
    // Questions are `window`'s.
    FormWrite(QWidget* window, DeviceSession& session, const TLangList& language,
              const FormBinder& binder, InfoArea& log, RunReport& report);

    void WriteAll();
    void SendSms();

private:
    // True when the write may go on.
    bool AskHiddenChanges(const std::vector<HiddenChange>& changes);
    void ShowRefused(const std::vector<ValueProblem>& problems);

    DeviceSession& session_;
    const TLangList& language_;
    const FormBinder& binder_;
    InfoArea& log_;
    RunReport& report_;
    CompareDialog question_;  // the hidden changes' list, built when first asked
};

}  // namespace dtu
