#include "mainwindow/run_report.h"

#include <QDateTime>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <algorithm>
#include <utility>

#include "lang/lang_list.h"
#include "mainwindow/info_area.h"
#include "protocol/line_end.h"
#include "render/note_text.h"
#include "render/port_status_text.h"
#include "widgets/elided_label.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

constexpr int kStatusBarHeight = 20;
constexpr int kStatusPortWidth = 410;
constexpr int kStatusSecondWidth = 50;

// What the status bar says while a list runs, by its operation.
const char* ProgressKey(std::uint8_t operation) {
    switch (operation) {
        case kReadAllOperation:
            return "lang_Status_Reading";
        case kWriteAllOperation:
            return "lang_Status_Writing";
        default:
            return "lang_Status_Sending";
    }
}

}  // namespace

RunReport::RunReport(DeviceSession& session, const TLangList& language, InfoArea& log,
                     QProgressBar& progress, QStatusBar& bar)
    : session_(session), language_(language), log_(log), progress_(progress) {
    bar.setObjectName("stat1");
    bar.setSizeGripEnabled(false);
    bar.setFixedHeight(kStatusBarHeight);
    portStatus_ = new QLabel(&bar);
    portStatus_->setObjectName("stat1_panel0");
    portStatus_->setFixedWidth(kStatusPortWidth);
    auto* second = new QLabel(&bar);
    second->setObjectName("stat1_panel1");
    second->setFixedWidth(kStatusSecondWidth);
    auto* verdict = new ElidedLabel(&bar);
    verdict->setObjectName("stat1_verdict");
    verdict_ = std::make_unique<StatusVerdict>(verdict);
    // Panels from the left edge, as the port note belongs under the form.
    bar.addWidget(portStatus_);
    bar.addWidget(second);
    bar.addWidget(verdict, 1);
}

void RunReport::RunOperation(const std::function<void()>& run) {
    const StatusVerdict::State before = verdict_->Current();
    verdict_->ShowBusy([this] { return Tr(language_, "lang_Status_Busy"); });
    heardSinceStart_ = false;
    run();
    // Answered No or Cancel, or given nothing to send: the last verdict still holds.
    if (!heardSinceStart_ && verdict_->Current().busy) {
        verdict_->Restore(before);
    }
}

void RunReport::ShowFailed(StatusVerdict::Words words) {
    verdict_->ShowEnd(std::move(words), true);
}

void RunReport::SentFromSendBox(const std::string& sent) {
    sentUnended_ = IsUnendedAtCommand(sent);
}

void RunReport::SetPortStatus(const std::string& text) {
    portStatus_->setText(FromGbk(text));
}

void RunReport::ApplyTexts() {
    if (portStatusShown_) {
        SetPortStatus(PortStatusLine(*portStatusShown_, language_));
    }
    verdict_->Refresh();
}

void RunReport::OnLog(LogKind kind, const std::string& text) {
    heardSinceStart_ = true;
    const QString line = FromGbk(text);
    switch (kind) {
        case LogKind::Tx:
            log_.ShowTxLine(line);
            break;
        case LogKind::Rx:
            log_.ShowRxLine(line);
            break;
        case LogKind::Error:
            log_.ShowErrorLine(line);
            break;
        case LogKind::Info:
            log_.ShowInfoLine(line);
            break;
    }
}

void RunReport::OnNote(const EngineNote& note) {
    heardSinceStart_ = true;
    EngineNote shown = note;
    if (note.kind == NoteKind::NoAnswer || note.kind == NoteKind::Garbled) {
        // What the port uses now, which a write all that changed the device's may have set.
        shown.baudRate = LineSettingsText(session_.PortSettings());
    }
    // Write all may yet add that nothing was saved, which comes as its run ends:
    // the end says both in one line.
    const bool writing = session_.Running() && session_.CurrentOperation() == kWriteAllOperation;
    if (writing || note.kind == NoteKind::NotSaved) {
        heldNotes_.push_back(std::move(shown));
        return;
    }
    ShowVerdict({shown});
}

void RunReport::OnProgress(const Progress& progress) {
    heardSinceStart_ = true;
    progress_.setRange(0, progress.maximum);
    progress_.setValue(progress.position);
    progress_.setVisible(progress.visible);
    ShowProgressInStatus(progress);
}

void RunReport::OnPortStatus(const PortStatus& status) {
    portStatusShown_ = status;
    SetPortStatus(PortStatusLine(status, language_));
    const bool open = session_.PortIsOpen();
    if (open && !portWasOpen_) {
        // In batch work each device starts on a port opened anew.
        log_.ShowSeparatorLine(
            Tr(language_, "lang_Info_PortOpened")
                .arg(FromGbk(session_.PortSettings().port),
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    }
    if (open != portWasOpen_) {
        ShowPortOpenedOrClosed(open);
    }
    portWasOpen_ = open;
}

void RunReport::OnRunFinished(const RunOutcome& outcome) {
    std::vector<EngineNote> notes = std::exchange(heldNotes_, {});
    // No line got through (the first is a query), so nothing was taken that a restart could lose.
    if (outcome.linesDone == 0) {
        std::erase_if(notes,
                      [](const EngineNote& note) { return note.kind == NoteKind::NotSaved; });
    }
    if (!notes.empty()) {
        ShowVerdict(notes);
    }
    ShowRunHints(outcome);
}

void RunReport::ShowVerdict(const std::vector<EngineNote>& notes) {
    const std::string text = JoinedNoteText(notes, language_);
    const bool failed = std::any_of(notes.begin(), notes.end(), [](const EngineNote& note) {
        return NoteLogKind(note) == LogKind::Error;
    });
    OnLog(failed ? LogKind::Error : LogKind::Info, text);
    // An interrupted run's note comes as the next action starts, which the status bar follows.
    if (notes.front().kind == NoteKind::Interrupted) {
        return;
    }
    verdict_->ShowEnd(
        [this, notes] { return FromGbk(JoinedNoteText(notes, language_)).simplified(); }, failed);
}

void RunReport::ShowPortOpenedOrClosed(bool open) {
    // A run that lost the port said why; that stays in view.
    if (!open && verdict_->Current().failed) {
        return;
    }
    const QString port = FromGbk(session_.PortSettings().port);
    const char* key = open ? "lang_Status_PortOpened" : "lang_Status_PortClosed";
    verdict_->ShowEnd([this, port, key] { return Tr(language_, key).arg(port); }, false);
}

void RunReport::ShowProgressInStatus(const Progress& progress) {
    if (!progress.visible) {
        return;
    }
    // The bar counts from 0 to the last line's index; the status names the line going out.
    const int total = progress.maximum + 1;
    const int line = std::min(progress.position + 1, total);
    const char* key = ProgressKey(session_.CurrentOperation());
    verdict_->ShowBusy(
        [this, key, line, total] { return Tr(language_, key).arg(line).arg(total); });
}

void RunReport::ShowRunHints(const RunOutcome& outcome) {
    const bool unended = std::exchange(sentUnended_, false) && outcome.direct;
    if (outcome.end == RunEnd::NoAnswer) {
        log_.ShowInfoLine(Tr(language_, unended ? "lang_Hint_NoLineEnd" : "lang_Hint_NoAnswer"));
    } else if (outcome.end == RunEnd::Garbled) {
        log_.ShowInfoLine(Tr(language_, "lang_Hint_SeeHexView"));
    }
}

}  // namespace dtu
