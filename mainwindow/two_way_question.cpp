#include "mainwindow/two_way_question.h"

#include <QMessageBox>
#include <QPushButton>

namespace dtu {

bool AskTwoWay(QMessageBox& box, const QuestionButton& yes, const QuestionButton& no,
               bool yesByDefault) {
    QPushButton* yesButton = box.addButton(yes.text, QMessageBox::AcceptRole);
    yesButton->setObjectName(yes.name);
    QPushButton* noButton = box.addButton(no.text, QMessageBox::RejectRole);
    noButton->setObjectName(no.name);
    box.setDefaultButton(yesByDefault ? yesButton : noButton);
    box.setEscapeButton(noButton);
    box.exec();
    return box.clickedButton() == yesButton;
}

}  // namespace dtu
