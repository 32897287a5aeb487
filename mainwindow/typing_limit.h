#pragma once

#include <QValidator>

class QLineEdit;

namespace dtu {

// How many characters a user may type into an edit. Unlike a maximum length it
// never cuts a value the program sets: a longer value stays whole, and typing
// into it may only shorten it.
class TypingLimit : public QValidator {
    Q_OBJECT
public:
    TypingLimit(QLineEdit* edit, int limit);
    State validate(QString& input, int& position) const override;
    int Limit() const { return limit_; }

private:
    const QLineEdit* edit_;
    int limit_;
};

}  // namespace dtu
