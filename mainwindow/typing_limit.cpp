#include "mainwindow/typing_limit.h"

#include <algorithm>

namespace dtu {

QValidator::State TypingLimit::validate(QString& input, int& /*position*/) const {
    return input.size() <= ceiling_ ? Acceptable : Invalid;
}

void TypingLimit::KeepWhole(const QString& text) {
    ceiling_ = std::max(limit_, static_cast<int>(text.size()));
}

}  // namespace dtu
