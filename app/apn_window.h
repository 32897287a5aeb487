#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace dtu {

class LabelledEdit;
class TLangList;

// The quoted APN value the device takes: "apn", then ,"account" and, only with an
// account, ,"password". Spaces are removed from all three first; an empty APN
// gives an empty value. Quotes inside the texts are passed on as typed.
QString BuildApnValue(const QString& apn, const QString& account, const QString& password);

// The dialog that turns a custom APN, account and password into the APN value of
// `target` (the main window's APN field).
class Tfrm_APN : public QDialog {
    Q_OBJECT
public:
    // Shows `language`'s texts.
    Tfrm_APN(const TLangList& language, QLineEdit* target, QWidget* parent = nullptr);

    void ApplyApnTexts();

    LabelledEdit* lbledt_account;
    LabelledEdit* lbledt_password;
    QPushButton* btn_APN;
    LabelledEdit* lbledt_APN;

    QString FApn;
    QString FAccount;
    QString FPassword;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btn_APNClick();

    const TLangList& language_;
    QLineEdit* target_;
};

}  // namespace dtu
