#pragma once

#include <QString>

class QMessageBox;

namespace dtu {

struct QuestionButton {
    QString text;
    const char* name;  // object name, for tests
};

// Shows `box` with the two buttons and waits for the answer; true when `yes`
// was chosen. Escape answers `no`; Enter answers `yes` when `yesByDefault`.
bool AskTwoWay(QMessageBox& box, const QuestionButton& yes, const QuestionButton& no,
               bool yesByDefault);

}  // namespace dtu
