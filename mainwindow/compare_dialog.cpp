#include "mainwindow/compare_dialog.h"

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "widgets/lang_qt.h"

namespace dtu {

namespace {

constexpr int kCompareDialogColumns = 3;
constexpr int kCompareDialogWidth = 560;
constexpr int kCompareDialogHeight = 360;
constexpr int kCompareWriteAnswer = 0;

}  // namespace

CompareDialog::CompareDialog(QWidget* window, const TLangList& language, const CompareLook& look)
    : window_(window), language_(language), look_(look) {}

void CompareDialog::Build() {
    dialog_ = new QDialog(window_);
    dialog_->setObjectName(look_.name);
    dialog_->setModal(true);
    dialog_->resize(kCompareDialogWidth, kCompareDialogHeight);
    question_ = new QLabel(dialog_);
    question_->setObjectName("lbl_CompareQuestion");
    question_->setWordWrap(true);
    list_ = new QTreeWidget(dialog_);
    list_->setObjectName("lst_Differences");
    list_->setColumnCount(kCompareDialogColumns);
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(dialog_);
    for (const CompareButton& button : look_.buttons) {
        QPushButton* pushButton = buttons->addButton(QString(), button.role);
        pushButton->setObjectName(button.name);
        // Enter answers the last button, wherever the focus is.
        pushButton->setAutoDefault(false);
        const int answer = static_cast<int>(buttons_.size());
        QObject::connect(pushButton, &QPushButton::clicked, dialog_, [this, answer] {
            answer_ = answer;
            dialog_->accept();
        });
        buttons_.push_back(pushButton);
    }
    buttons_.back()->setDefault(true);
    // Escape rejects and leaves the answer at the last button.
    QObject::connect(dialog_, &QDialog::finished, dialog_, [this] {
        if (answer_ == kCompareWriteAnswer && write_) {
            write_();
        }
    });
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(question_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

void CompareDialog::Fill(const QString& question, const std::vector<CompareRow>& rows) {
    if (dialog_ == nullptr) {
        Build();
    }
    dialog_->setWindowTitle(look_.title != nullptr ? Tr(language_, look_.title)
                                                   : window_->windowTitle());
    question_->setText(question);
    list_->setHeaderLabels({Tr(language_, "lang_Compare_Field"),
                            Tr(language_, "lang_Compare_Device"), Tr(language_, look_.formColumn)});
    list_->clear();
    for (const CompareRow& row : rows) {
        new QTreeWidgetItem(list_, {row.field, row.device, row.form});
    }
    list_->setVisible(!rows.empty());
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        buttons_[index]->setText(Tr(language_, look_.buttons[index].text));
    }
    answer_ = CancelAnswer();
    buttons_.back()->setFocus(Qt::OtherFocusReason);
}

void CompareDialog::Show(const QString& question, const std::vector<CompareRow>& rows,
                         std::function<void()> write) {
    Fill(question, rows);
    write_ = std::move(write);
    dialog_->open();
}

int CompareDialog::Ask(const QString& question, const std::vector<CompareRow>& rows) {
    Fill(question, rows);
    write_ = nullptr;
    dialog_->exec();
    return answer_;
}

}  // namespace dtu
