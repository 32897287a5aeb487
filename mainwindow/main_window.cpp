#include "mainwindow/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "lang/builtin_texts.h"
#include "lang/lang_list.h"
#include "mainwindow/bottom_buttons.h"
#include "mainwindow/data_page.h"
#include "mainwindow/device_compare.h"
#include "mainwindow/digits_only_filter.h"
#include "mainwindow/form_binder.h"
#include "mainwindow/form_write.h"
#include "mainwindow/hint_switch.h"
#include "mainwindow/info_area.h"
#include "mainwindow/info_group.h"
#include "mainwindow/log_saving.h"
#include "mainwindow/main_questions.h"
#include "mainwindow/main_texts.h"
#include "mainwindow/refused_mark.h"
#include "mainwindow/run_report.h"
#include "mainwindow/stored_index_notes.h"
#include "mainwindow/work_mode_pages.h"
#include "mainwindow/write_recorder.h"
#include "settings/config_location.h"
#include "settings/ini_file.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

QFont FormFont() {
    QFont font;
    font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans"});
    font.setPixelSize(12);
    return font;
}

}  // namespace

Tfrm_MainLx1::Tfrm_MainLx1(TLangList& language, const QString& version, QWidget* parent)
    : Tfrm_MainLx1(language, nullptr, version, parent) {}

Tfrm_MainLx1::Tfrm_MainLx1(TLangList& language, std::unique_ptr<IniFile> settings,
                           const QString& version, QWidget* parent)
    : QMainWindow(parent),
      language_(language),
      poster_(this),
      timers_(this),
      session_(poster_, timers_),
      settings_(std::move(settings)),
      version_(version),
      digitsOnly_(new DigitsOnlyFilter(this)),
      hints_(new HintSwitch(this)) {
    setObjectName("frm_MainLx1");
    setWindowTitle("Velkor-GPRS-DTU");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(FormFont());

    BuildForm();
    BuildActions();
    BuildMenus();
    BindMainTexts(texts_, named_, pages_->Data());
    connect(apnChoice_, &QComboBox::activated, this, [this](int choice) {
        if (session_.Form().ChooseApn(choice) && showApn) {
            showApn();
        }
    });
    FormModel& form = session_.Form();
    binder_ = new FormBinder(this, named_, form);
    formWrite_ = std::make_unique<FormWrite>(this, session_, language_, *binder_, *info_, *report_);
    for (const std::string& name : named_.Missing()) {
        qWarning("no control named %s", name.c_str());
    }
    form.onChanged = [this](Field field) {
        binder_->Show(field);
        ClearRefused(binder_->Control(field));
        pages_->ShowCouplings(field);
    };
    form.onStateChanged = [this] {
        pages_->Data().ShowView();
        pages_->ShowFamilyControls();
    };

    // With the hex view on, each block shows as it came before the reply
    // handling reads it.
    session_.SetReceiveHook([this](const std::string& block, const std::function<void()>& pass) {
        if (infoGroup_->HexViewOn()) {
            info_->ShowHexBlock(QByteArray(block.data(), static_cast<qsizetype>(block.size())));
        }
        pass();
    });

    if (settings_ == nullptr) {
        const std::string languageError =
            LoadLanguage(language_, ConfigFilePath("Lx1Lang.txt").string());
        if (!languageError.empty()) {
            ShowErrorLine(languageError);
        }
        settings_ = std::make_unique<IniFile>(ConfigFilePath("Lx1Cfg.ini"));
        language_.IsChinese = settings_->ReadBool("SYS", "Lang", SystemIsChinese());
    }
    LoadSettings();
    ApplyMainTexts();
    // After the texts: the defaults are named by their items in the window's language.
    ShowIndexesOutsideLists(*settings_, QFile::decodeName(settings_->Path().c_str()), *binder_,
                            language_, *info_);
    pages_->ShowWorkMode();
    // The window opens in the compact view.
    form.SetView(kCompactView);
    pages_->Data().ShowView();

    // The designed size, or wider where the texts need it, is the least; the
    // log and the send box take any room beyond it.
    setMinimumSize(kClientWidth + FitTextWidths(), kClientHeight + menuBar()->sizeHint().height());
    resize(minimumSize());
    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }
    recorder_ = std::make_unique<WriteRecorder>(session_, *report_, language_);
    session_.SetListener(recorder_.get());
}

Tfrm_MainLx1::~Tfrm_MainLx1() {
    session_.SetListener(nullptr);
    session_.Form().onChanged = nullptr;
    session_.Form().onStateChanged = nullptr;
}

LogFind* Tfrm_MainLx1::Find() const {
    return infoGroup_->Find();
}

void Tfrm_MainLx1::closeEvent(QCloseEvent* event) {
    // Cut short, write all leaves the device without ATW: nothing of it is kept
    // in the device's memory.
    if (session_.Running() && session_.CurrentOperation() == kWriteAllOperation) {
        if (!AskStopWriting(this, language_)) {
            event->ignore();
            return;
        }
        session_.ClosePort();
    }
    QMainWindow::closeEvent(event);
}

void Tfrm_MainLx1::SaveSettingsOnQuit() {
    if (!settingsSaved_) {
        settingsSaved_ = true;
        SaveSettings();
    }
}

void Tfrm_MainLx1::showEvent(QShowEvent* event) {
    bottom_->LoadGlyphsOnce(*style());
    QMainWindow::showEvent(event);
    // Shown after a port opened: reading the device is the next step.
    if (!event->spontaneous()) {
        bottom_->Operations().readAll->setFocus(Qt::OtherFocusReason);
    }
}

void Tfrm_MainLx1::ShowErrorLine(const std::string& text) {
    info_->ShowErrorLine(FromGbk(text));
}

void Tfrm_MainLx1::SetPortStatus(const std::string& text) {
    report_->SetPortStatus(text);
}

}  // namespace dtu
