#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

namespace dtu {

class ClickableLabel;
class TLangList;

// The About dialog: name, version, description, picture and the publisher's address.
class Tfrm_About : public QDialog {
    Q_OBJECT
public:
    // Shows `language`'s texts; `pictureDir` is where an "About.jpg" that
    // replaces the built-in picture is looked for.
    Tfrm_About(const TLangList& language, QString pictureDir, QWidget* parent = nullptr);

    void ApplyAboutTexts();

    QLabel* img_About;
    QLabel* lbl_SoftName;
    QLabel* lbl_About_version;
    QLabel* lbl_version;
    QLabel* lbl_Aboutl_Description;
    QFrame* Bevel1;
    QLabel* lbl_About_Contact;
    ClickableLabel* lbl_About_Website;
    QLabel* lbl_About_Tel;
    QLabel* lbl_About_Email;
    QPushButton* btn_About_Yes;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void FitVersionCaption();
    void lbl_About_WebsiteClick();

    const TLangList& language_;
    QString pictureDir_;
    QImage storedPicture_;
};

}  // namespace dtu
