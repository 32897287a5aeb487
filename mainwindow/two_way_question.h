#pragma once

#include <QMessageBox>
#include <QString>
#include <initializer_list>

namespace dtu {

struct QuestionButton {
    QString text;
    const char* name;  // object name, for tests
    QMessageBox::ButtonRole role = QMessageBox::AcceptRole;
};

// Shows `box` with `buttons` and waits for the answer: the index of the button
// chosen. Enter answers `byDefault`; Escape the last button.
int AskOneOf(QMessageBox& box, std::initializer_list<QuestionButton> buttons, int byDefault);

// Shows `box` with the two buttons and waits for the answer; true when `yes`
// was chosen. Escape answers `no`; Enter answers `yes` when `yesByDefault`.
bool AskTwoWay(QMessageBox& box, const QuestionButton& yes, const QuestionButton& no,
               bool yesByDefault);

}  // namespace dtu
