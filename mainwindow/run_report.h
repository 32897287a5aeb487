#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mainwindow/status_verdict.h"
#include "session/device_session.h"

class QLabel;
class QProgressBar;
class QStatusBar;

namespace dtu {

class InfoArea;
class TLangList;

// What the session says, where the user looks for it: its lines in the log,
// its progress in the bar under the log and in the status bar, the port's
// state in the status bar's first panel, and one verdict for each action.
class RunReport : public SessionListener {
public:
    // Adds its panels to `bar`.
    RunReport(DeviceSession& session, const TLangList& language, InfoArea& log,
              QProgressBar& progress, QStatusBar& bar);

    // An action, which clears the last verdict as `run` starts it; one that
    // started nothing (answered No, or nothing to send) leaves the verdict.
    void RunOperation(const std::function<void()>& run);
    // An action that failed before the session took it up.
    void ShowFailed(StatusVerdict::Words words);
    // The send box sent `sent`: an AT command without a line end that gets
    // no answer earns a hint.
    void SentFromSendBox(const std::string& sent);

    // The port panel's text, GBK bytes.
    void SetPortStatus(const std::string& text);
    // The panel and the verdict, worded again in the language now chosen.
    void ApplyTexts();

    void OnLog(LogKind kind, const std::string& text) override;
    void OnNote(const EngineNote& note) override;
    void OnProgress(const Progress& progress) override;
    void OnPortStatus(const PortStatus& status) override;
    void OnRunFinished(const RunOutcome& outcome) override;

private:
    // The notes a run ended with, as one line in the log and the status bar.
    void ShowVerdict(const std::vector<EngineNote>& notes);
    void ShowPortOpenedOrClosed(bool open);
    void ShowProgressInStatus(const Progress& progress);
    // What the engine leaves a front end to say after a run: a silent or
    // garbled device, what to check.
    void ShowRunHints(const RunOutcome& outcome);

    DeviceSession& session_;
    const TLangList& language_;
    InfoArea& log_;
    QProgressBar& progress_;
    QLabel* portStatus_ = nullptr;
    // The port panel's last news, worded again on a language switch.
    std::optional<PortStatus> portStatusShown_;
    bool portWasOpen_ = false;
    // The last action's verdict, in view however much the device sends after it.
    std::unique_ptr<StatusVerdict> verdict_;
    // Notes of a write all kept for its end, which may add that nothing was saved.
    std::vector<EngineNote> heldNotes_;
    // The session spoke since the operation started: it did start something.
    bool heardSinceStart_ = false;
    // The send box's last text was an AT command without a line end.
    bool sentUnended_ = false;
};

}  // namespace dtu
