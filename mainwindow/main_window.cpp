#include "mainwindow/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>

#include "lang/builtin_texts.h"
#include "lang/lang_list.h"
#include "mainwindow/digits_only_filter.h"
#include "mainwindow/hint_switch.h"
#include "mainwindow/info_area.h"
#include "mainwindow/lang_qt.h"
#include "protocol/engine.h"
#include "protocol/order_list.h"
#include "settings/config_location.h"
#include "settings/ini_file.h"

namespace dtu {

namespace {

QFont FormFont() {
    QFont font;
    font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans"});
    font.setPixelSize(12);
    return font;
}

}  // namespace

Tfrm_MainLx1::Tfrm_MainLx1(QWidget* parent) : Tfrm_MainLx1(nullptr, parent) {}

Tfrm_MainLx1::Tfrm_MainLx1(std::unique_ptr<IniFile> settings, QWidget* parent)
    : QMainWindow(parent),
      poster_(this),
      cm1_(poster_),
      port_(cm1_, *this),
      settings_(std::move(settings)),
      digitsOnly_(new DigitsOnlyFilter(this)),
      hints_(new HintSwitch(this)) {
    setObjectName("frm_MainLx1");
    setWindowTitle("Velkor-GPRS-DTU");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(FormFont());

    BuildForm();
    BuildActions();
    BuildMenus();
    workMode_ = Child<QComboBox>("cbb_WorkMode");
    apnChoice_ = Child<QComboBox>("cbb_APN");
    apnField_ = Child<QLineEdit>("edt_APN_other");
    showMore_ = Child<QPushButton>("btn_ShowMore");
    connect(showMore_, &QPushButton::clicked, this, &Tfrm_MainLx1::btn_ShowMoreClick);
    connect(workMode_, &QComboBox::currentIndexChanged, this, &Tfrm_MainLx1::ShowWorkModePage);
    connect(apnChoice_, &QComboBox::activated, this, &Tfrm_MainLx1::cbb_APNChange);
    connect(Child<QCheckBox>("chk_D2DEnable"), &QCheckBox::toggled, this,
            &Tfrm_MainLx1::chk_D2DEnableClick);
    connect(Child<QCheckBox>("chkCloudEnalbe"), &QCheckBox::toggled, this,
            &Tfrm_MainLx1::chkCloudEnalbeClick);

    ConnectOperations();

    tmrRcv_ = new QTimer(this);
    tmrRcv_->setObjectName("tmrRcv");
    tmrRcv_->setSingleShot(false);
    connect(tmrRcv_, &QTimer::timeout, this, &Tfrm_MainLx1::replyTimedOut);

    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }

    if (settings_ == nullptr) {
        const std::string languageError = InitLanguage(ConfigFilePath("Lx1Lang.txt").string());
        if (!languageError.empty()) {
            ShowErrorLine(languageError);
        }
        settings_ = std::make_unique<IniFile>(ConfigFilePath("Lx1Cfg.ini"));
        LangList->IsChinese = settings_->ReadBool("SYS", "Lang", SystemIsChinese());
    }
    LoadSettings();
    ApplyMainTexts();
    InitView();
    orders_ = std::make_unique<OrderList>();
    engine_ = std::make_unique<Engine>(*orders_, port_, *this);
}

Tfrm_MainLx1::~Tfrm_MainLx1() {
    cm1_.OnReceiveData = nullptr;
    engine_.reset();
    orders_.reset();
    settings_.reset();
    FreeLanguage();
}

void Tfrm_MainLx1::closeEvent(QCloseEvent* event) {
    if (!settingsSaved_) {
        settingsSaved_ = true;
        SaveSettings();
    }
    QMainWindow::closeEvent(event);
}

void Tfrm_MainLx1::showEvent(QShowEvent* event) {
    if (!glyphsLoaded_) {
        glyphsLoaded_ = true;
        LoadButtonGlyphs();
    }
    QMainWindow::showEvent(event);
}

void Tfrm_MainLx1::ShowTxLine(const std::string& text) {
    info_->ShowTxLine(FromGbk(text));
}

void Tfrm_MainLx1::ShowRxLine(const std::string& text) {
    info_->ShowRxLine(FromGbk(text));
}

void Tfrm_MainLx1::ShowErrorLine(const std::string& text) {
    info_->ShowErrorLine(FromGbk(text));
}

void Tfrm_MainLx1::ShowInfoLine(const std::string& text) {
    info_->ShowInfoLine(FromGbk(text));
}

void Tfrm_MainLx1::SetPortStatus(const std::string& text) {
    portStatus_->setText(FromGbk(text));
}

void Tfrm_MainLx1::SetReplyTimerInterval(int milliseconds) {
    tmrRcv_->setInterval(milliseconds);
}

void Tfrm_MainLx1::ArmReplyTimer() {
    if (!tmrRcv_->isActive()) {
        tmrRcv_->start();
    }
}

void Tfrm_MainLx1::DisarmReplyTimer() {
    tmrRcv_->stop();
}

}  // namespace dtu
