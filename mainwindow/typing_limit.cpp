#include "mainwindow/typing_limit.h"

#include <QLineEdit>

namespace dtu {

TypingLimit::TypingLimit(QLineEdit* edit, int limit)
    : QValidator(edit), edit_(edit), limit_(limit) {}

QValidator::State TypingLimit::validate(QString& input, int& /*position*/) const {
    return input.size() <= limit_ || input.size() < edit_->text().size() ? Acceptable : Invalid;
}

}  // namespace dtu
