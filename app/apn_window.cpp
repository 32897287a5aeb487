#include "app/apn_window.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "widgets/labelled_edit.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

constexpr int kApnClientWidth = 270;
constexpr int kApnClientHeight = 220;

QString WithoutSpaces(QString text) {
    return text.remove(QLatin1Char(' '));
}

QString Quoted(const QString& text) {
    return '"' + text + '"';
}

LabelledEdit* MakeEdit(QWidget* parent, const char* name, int top) {
    auto* edit = new LabelledEdit(parent, name);
    edit->setGeometry(99, top, 121, 20);
    return edit;
}

}  // namespace

QString BuildApnValue(const QString& apn, const QString& account, const QString& password) {
    const QString bareApn = WithoutSpaces(apn);
    if (bareApn.isEmpty()) {
        return {};
    }
    QString value = Quoted(bareApn);
    const QString bareAccount = WithoutSpaces(account);
    if (!bareAccount.isEmpty()) {
        value += ',' + Quoted(bareAccount);
        const QString barePassword = WithoutSpaces(password);
        if (!barePassword.isEmpty()) {
            value += ',' + Quoted(barePassword);
        }
    }
    return value;
}

Tfrm_APN::Tfrm_APN(const TLangList& language, QLineEdit* target, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      language_(language),
      target_(target) {
    setObjectName("frm_APN");
    setModal(true);
    setFixedSize(kApnClientWidth, kApnClientHeight);

    lbledt_account = MakeEdit(this, "lbledt_account", 71);
    lbledt_password = MakeEdit(this, "lbledt_password", 106);
    btn_APN = new QPushButton(this);
    btn_APN->setObjectName("btn_APN");
    btn_APN->setGeometry(92, 151, 89, 33);
    btn_APN->setDefault(true);
    lbledt_APN = MakeEdit(this, "lbledt_APN", 37);

    setTabOrder(lbledt_APN, lbledt_account);
    setTabOrder(lbledt_account, lbledt_password);
    setTabOrder(lbledt_password, btn_APN);

    connect(btn_APN, &QPushButton::clicked, this, &Tfrm_APN::btn_APNClick);
    ApplyApnTexts();
}

void Tfrm_APN::ApplyApnTexts() {
    setWindowTitle(Tr(language_, "lang_APN_Title"));
    lbledt_APN->SetLabelText(Tr(language_, "lang_APN_APN"));
    lbledt_account->SetLabelText(Tr(language_, "lang_APN_Account"));
    lbledt_password->SetLabelText(Tr(language_, "lang_APN_Password"));
    btn_APN->setText(Tr(language_, "lang_APN_OK"));
}

void Tfrm_APN::showEvent(QShowEvent* event) {
    ApplyApnTexts();
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
    // The first stop of the tab order, as the dialog is read top to bottom.
    lbledt_APN->setFocus();
}

void Tfrm_APN::btn_APNClick() {
    FApn = WithoutSpaces(lbledt_APN->text());
    FAccount = WithoutSpaces(lbledt_account->text());
    FPassword = WithoutSpaces(lbledt_password->text());
    const QString value = BuildApnValue(FApn, FAccount, FPassword);
    if (target_ != nullptr) {
        target_->setText(value);
    }
    if (FApn.isEmpty()) {
        QMessageBox::information(this, windowTitle(), Tr(language_, "lang_APN_APNEmpty"));
        return;
    }
    accept();
}

}  // namespace dtu
