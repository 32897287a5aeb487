#include "mainwindow/two_way_question.h"

#include <QPushButton>
#include <vector>

namespace dtu {

int AskOneOf(QMessageBox& box, std::initializer_list<QuestionButton> buttons, int byDefault) {
    std::vector<QPushButton*> added;
    for (const QuestionButton& button : buttons) {
        QPushButton* pushButton = box.addButton(button.text, button.role);
        pushButton->setObjectName(button.name);
        added.push_back(pushButton);
    }
    box.setDefaultButton(added.at(static_cast<std::size_t>(byDefault)));
    box.setEscapeButton(added.back());
    box.exec();
    for (std::size_t index = 0; index < added.size(); ++index) {
        if (box.clickedButton() == added[index]) {
            return static_cast<int>(index);
        }
    }
    return static_cast<int>(added.size()) - 1;
}

bool AskTwoWay(QMessageBox& box, const QuestionButton& yes, const QuestionButton& no,
               bool yesByDefault) {
    return AskOneOf(box,
                    {{yes.text, yes.name, QMessageBox::AcceptRole},
                     {no.text, no.name, QMessageBox::RejectRole}},
                    yesByDefault ? 0 : 1) == 0;
}

}  // namespace dtu
