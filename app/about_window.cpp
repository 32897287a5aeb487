#include "app/about_window.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "app/jpeg_image.h"
#include "shell/version_string.h"
#include "widgets/clickable_label.h"
#include "widgets/lang_qt.h"
#include "widgets/web_address.h"

// The built-in picture is a resource of this static library; registering it by
// name keeps the linker from dropping it. Must be called outside any namespace.
static void InitAboutPicture() {
    Q_INIT_RESOURCE(about_picture);
}

namespace dtu {

namespace {

constexpr int kAboutClientWidth = 473;
constexpr int kAboutClientHeight = 215;
constexpr int kVersionCaptionWidth = 41;
constexpr int kVersionLeft = 212;

QLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QImage BuiltInPicture() {
    InitAboutPicture();
    QFile resource(":/dtuconfig/about.jpg");
    if (!resource.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = resource.readAll();
    return DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()));
}

}  // namespace

Tfrm_About::Tfrm_About(const TLangList& language, QString pictureDir, QWidget* parent)
    // Stays on top: it is opened from the port window too, which stays on top itself.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      language_(language),
      pictureDir_(std::move(pictureDir)) {
    setObjectName("frm_About");
    setModal(true);
    setFixedSize(kAboutClientWidth, kAboutClientHeight);

    img_About = MakeLabel(this, "img_About", {48, 32, 100, 100});
    // Drawn at its own size from the top-left corner, never stretched.
    img_About->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lbl_SoftName = MakeLabel(this, "lbl_SoftName", {170, 31, 247, 13});
    lbl_SoftName->setText("Brantec-GPRS-DTU");
    lbl_About_version = MakeLabel(this, "lbl_About_version", {170, 51, kVersionCaptionWidth, 13});
    lbl_version = MakeLabel(this, "lbl_version", {kVersionLeft, 51, 157, 13});
    lbl_Aboutl_Description = MakeLabel(this, "lbl_Aboutl_Description", {170, 71, 265, 73});
    lbl_Aboutl_Description->setWordWrap(true);
    lbl_Aboutl_Description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(25, 148, 409, 2);

    lbl_About_Contact = MakeLabel(this, "lbl_About_Contact", {39, 168, 73, 13});
    lbl_About_Website = new ClickableLabel(this);
    lbl_About_Website->setObjectName("lbl_About_Website");
    lbl_About_Website->setGeometry(106, 167, 193, 13);
    lbl_About_Website->setFont(font());
    QFont linkFont = lbl_About_Website->font();
    linkFont.setUnderline(true);
    lbl_About_Website->setFont(linkFont);
    lbl_About_Tel = MakeLabel(this, "lbl_About_Tel", {39, 182, 82, 13});
    lbl_About_Email = MakeLabel(this, "lbl_About_Email", {124, 182, 121, 13});

    btn_About_Yes = new QPushButton(this);
    btn_About_Yes->setObjectName("btn_About_Yes");
    btn_About_Yes->setGeometry(307, 171, 111, 25);
    btn_About_Yes->setDefault(true);

    connect(btn_About_Yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(lbl_About_Website, &ClickableLabel::clicked, this, &Tfrm_About::lbl_About_WebsiteClick);
    ApplyAboutTexts();
}

void Tfrm_About::ApplyAboutTexts() {
    setWindowTitle(Tr(language_, "lang_About_Title"));
    lbl_About_version->setText(Tr(language_, "lang_About_Version"));
    FitVersionCaption();
    btn_About_Yes->setText(Tr(language_, "lang_About_Yes"));
    lbl_Aboutl_Description->setText(Tr(language_, "lang_About_Description"));
    lbl_About_Contact->setText(Tr(language_, "lang_About_Contact"));
    lbl_About_Website->setText(Tr(language_, "lang_About_Website"));
    lbl_About_Tel->setText(Tr(language_, "lang_About_Tel"));
    lbl_About_Email->setText(Tr(language_, "lang_About_Email"));
}

void Tfrm_About::FitVersionCaption() {
    // The caption grows to its text (as "Version:" needs) and the version follows it.
    const int textWidth =
        lbl_About_version->fontMetrics().horizontalAdvance(lbl_About_version->text());
    lbl_About_version->resize(std::max(kVersionCaptionWidth, textWidth),
                              lbl_About_version->height());
    lbl_version->move(std::max(kVersionLeft, lbl_About_version->geometry().right() + 1),
                      lbl_version->y());
}

void Tfrm_About::showEvent(QShowEvent* event) {
    FormShow();
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void Tfrm_About::FormShow() {
    ApplyAboutTexts();
    lbl_version->setText(" V" + QString::fromStdString(GetVersionString()));
    // A replacement that cannot be decoded is ignored: the built-in picture stays.
    const QImage replacement = LoadJpegFile(QDir(pictureDir_).filePath("About.jpg"));
    if (!replacement.isNull()) {
        img_About->setPixmap(QPixmap::fromImage(replacement));
        return;
    }
    // Decoded at the first showing rather than at start-up, which stays shorter.
    if (storedPicture_.isNull()) {
        storedPicture_ = BuiltInPicture();
    }
    img_About->setPixmap(QPixmap::fromImage(storedPicture_));
}

void Tfrm_About::lbl_About_WebsiteClick() {
    OpenWebAddress(lbl_About_Website->text());
}

}  // namespace dtu
