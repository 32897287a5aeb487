#include <algorithm>

#include "mainwindow/info_area.h"
#include "mainwindow/main_window.h"
#include "mainwindow/status_verdict.h"
#include "render/note_text.h"
#include "render/open_error_text.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

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

void Tfrm_MainLx1::RunOperation(const std::function<void()>& run) {
    const StatusVerdict::State before = verdict_->Current();
    verdict_->ShowBusy([this] { return Tr(language_, "lang_Status_Busy"); });
    heardSinceStart_ = false;
    run();
    // Answered No or Cancel, or given nothing to send: the last verdict still holds.
    if (!heardSinceStart_ && verdict_->Current().busy) {
        verdict_->Restore(before);
    }
}

void Tfrm_MainLx1::ShowVerdict(const std::vector<EngineNote>& notes) {
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

void Tfrm_MainLx1::ShowPortOpenedOrClosed(bool open) {
    // A run that lost the port said why; that stays in view.
    if (!open && verdict_->Current().failed) {
        return;
    }
    const QString port = FromGbk(session_.PortSettings().port);
    const char* key = open ? "lang_Status_PortOpened" : "lang_Status_PortClosed";
    verdict_->ShowEnd([this, port, key] { return Tr(language_, key).arg(port); }, false);
}

void Tfrm_MainLx1::ShowProgressInStatus(const Progress& progress) {
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

void Tfrm_MainLx1::ShowRunHints(const RunOutcome& outcome) {
    const bool unended = std::exchange(sentUnended_, false) && outcome.direct;
    if (outcome.end == RunEnd::NoAnswer) {
        info_->ShowInfoLine(Tr(language_, unended ? "lang_Hint_NoLineEnd" : "lang_Hint_NoAnswer"));
    } else if (outcome.end == RunEnd::Garbled) {
        info_->ShowInfoLine(Tr(language_, "lang_Hint_SeeHexView"));
    }
}

void Tfrm_MainLx1::ReopenWithSavedPort() {
    const PortTexts saved = session_.KeptForReopen();
    session_.ClosePort();
    if (saved.port.empty()) {
        // The port stays closed, as before; the log says how F8 comes to work.
        info_->ShowInfoLine(Tr(language_, "lang_Info_NoSavedPort"));
        verdict_->ShowEnd([this] { return Tr(language_, "lang_Info_NoSavedPort"); }, true);
        return;
    }
    session_.BeginOpenPort(saved, [this](const OpenError& error) {
        if (error.Opened()) {
            return;
        }
        info_->ShowErrorLine(FromGbk(OpenErrorText(error, language_)));
        verdict_->ShowEnd([this, error] { return FromGbk(OpenErrorText(error, language_)); }, true);
    });
}

}  // namespace dtu
