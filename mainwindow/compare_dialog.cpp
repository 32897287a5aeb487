#include "mainwindow/compare_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
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

}  // namespace

CompareDialog::CompareDialog(QWidget* window, const TLangList& language,
                             std::function<void()> write)
    : window_(window), language_(language), write_(std::move(write)) {}

void CompareDialog::Build() {
    dialog_ = new QDialog(window_);
    dialog_->setObjectName("dlg_Compare");
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
    writeButton_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    writeButton_->setObjectName("btn_CompareWrite");
    cancelButton_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    cancelButton_->setObjectName("btn_CompareCancel");
    // Unread, the list must not write: Enter cancels as Escape does.
    writeButton_->setAutoDefault(false);
    cancelButton_->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog_, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog_, &QDialog::reject);
    QObject::connect(dialog_, &QDialog::accepted, dialog_, [this] { write_(); });
    auto* layout = new QVBoxLayout(dialog_);
    layout->addWidget(question_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

void CompareDialog::Show(const std::vector<CompareRow>& rows) {
    if (dialog_ == nullptr) {
        Build();
    }
    dialog_->setWindowTitle(Tr(language_, "lang_Menu_Compare"));
    question_->setText(Tr(language_, rows.empty() ? "lang_Compare_Same" : "lang_Compare_Question"));
    list_->setHeaderLabels({Tr(language_, "lang_Compare_Field"),
                            Tr(language_, "lang_Compare_Device"),
                            Tr(language_, "lang_Compare_Form")});
    list_->clear();
    for (const CompareRow& row : rows) {
        new QTreeWidgetItem(list_, {row.field, row.device, row.form});
    }
    list_->setVisible(!rows.empty());
    writeButton_->setText(Tr(language_, "lang_Compact_Write"));
    cancelButton_->setText(Tr(language_, "lang_Compact_Cancel"));
    cancelButton_->setFocus(Qt::OtherFocusReason);
    dialog_->open();
}

}  // namespace dtu
