#include "mainwindow/status_verdict.h"

#include "widgets/elided_label.h"

namespace dtu {

void StatusVerdict::ShowBusy(Words words) {
    Restore({std::move(words), false, true});
}

void StatusVerdict::ShowEnd(Words words, bool failed) {
    Restore({std::move(words), failed, false});
}

void StatusVerdict::Restore(State state) {
    state_ = std::move(state);
    Refresh();
}

void StatusVerdict::Refresh() {
    label_->setStyleSheet(state_.failed ? QStringLiteral("color: red") : QString());
    label_->SetFullText(state_.words ? state_.words() : QString());
}

}  // namespace dtu
