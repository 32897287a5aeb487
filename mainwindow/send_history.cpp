#include "mainwindow/send_history.h"

namespace dtu {

void SendHistory::Add(const QString& text) {
    if (!text.isEmpty() && (texts_.isEmpty() || texts_.last() != text)) {
        texts_.append(text);
        if (texts_.size() > kMaxTexts) {
            texts_.removeFirst();
        }
    }
    at_ = texts_.size();
}

bool SendHistory::Older(QString& text) {
    if (at_ == 0) {
        return false;
    }
    text = texts_.at(--at_);
    return true;
}

bool SendHistory::Newer(QString& text) {
    if (at_ >= texts_.size()) {
        return false;
    }
    ++at_;
    text = at_ < texts_.size() ? texts_.at(at_) : QString();
    return true;
}

bool SendHistory::Shows(const QString& text) const {
    return at_ < texts_.size() ? texts_.at(at_) == text : text.isEmpty();
}

}  // namespace dtu
