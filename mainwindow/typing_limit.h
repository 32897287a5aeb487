#pragma once

#include <QValidator>

namespace dtu {

// How many characters a user may type into an edit. Unlike a maximum length it
// never cuts a value the program sets: the edit then takes up to that value's
// length, so typing into a longer value cannot grow it.
class TypingLimit : public QValidator {
    Q_OBJECT
public:
    TypingLimit(QObject* parent, int limit) : QValidator(parent), limit_(limit), ceiling_(limit) {}

    State validate(QString& input, int& position) const override;
    // Called before the program sets `text`.
    void KeepWhole(const QString& text);
    int Limit() const { return limit_; }

private:
    int limit_;
    int ceiling_;
};

}  // namespace dtu
