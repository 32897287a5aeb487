#include "mainwindow/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStatusBar>
#include <utility>

#include "lang/builtin_texts.h"
#include "lang/lang_list.h"
#include "mainwindow/data_page.h"
#include "mainwindow/digits_only_filter.h"
#include "mainwindow/form_binder.h"
#include "mainwindow/hint_switch.h"
#include "mainwindow/info_area.h"
#include "mainwindow/refused_mark.h"
#include "mainwindow/status_verdict.h"
#include "mainwindow/work_mode_pages.h"
#include "render/note_text.h"
#include "render/port_status_text.h"
#include "settings/config_location.h"
#include "settings/ini_file.h"
#include "widgets/elided_label.h"
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
    BindTexts();
    connect(apnChoice_, &QComboBox::activated, this, [this](int choice) {
        if (session_.Form().ChooseApn(choice) && showApn) {
            showApn();
        }
    });
    FormModel& form = session_.Form();
    binder_ = new FormBinder(this, named_, form);
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

    ConnectOperations();

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
    ShowIndexesOutsideLists(*settings_, false, QFile::decodeName(settings_->Path().c_str()));
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
    session_.SetListener(this);
}

Tfrm_MainLx1::~Tfrm_MainLx1() {
    session_.SetListener(nullptr);
    session_.Form().onChanged = nullptr;
    session_.Form().onStateChanged = nullptr;
}

void Tfrm_MainLx1::closeEvent(QCloseEvent* event) {
    // Cut short, write all leaves the device without ATW: nothing of it is kept
    // in the device's memory.
    if (session_.Running() && session_.CurrentOperation() == kWriteAllOperation) {
        if (!AskStopWriting()) {
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
    if (!glyphsLoaded_) {
        glyphsLoaded_ = true;
        LoadButtonGlyphs();
    }
    QMainWindow::showEvent(event);
    // Shown after a port opened: reading the device is the next step.
    if (!event->spontaneous()) {
        buttons_.readAll->setFocus(Qt::OtherFocusReason);
    }
}

void Tfrm_MainLx1::ShowErrorLine(const std::string& text) {
    info_->ShowErrorLine(FromGbk(text));
}

void Tfrm_MainLx1::SetPortStatus(const std::string& text) {
    portStatus_->setText(FromGbk(text));
}

void Tfrm_MainLx1::OnLog(LogKind kind, const std::string& text) {
    heardSinceStart_ = true;
    const QString line = FromGbk(text);
    switch (kind) {
        case LogKind::Tx:
            info_->ShowTxLine(line);
            break;
        case LogKind::Rx:
            info_->ShowRxLine(line);
            break;
        case LogKind::Error:
            info_->ShowErrorLine(line);
            break;
        case LogKind::Info:
            info_->ShowInfoLine(line);
            break;
    }
}

void Tfrm_MainLx1::OnNote(const EngineNote& note) {
    heardSinceStart_ = true;
    EngineNote shown = note;
    if (note.kind == NoteKind::NoAnswer || note.kind == NoteKind::Garbled) {
        // What the port uses now, which a write all that changed the device's may have set.
        shown.baudRate = LineSettingsText(session_.PortSettings());
    }
    // Write all may yet add that nothing was saved, which comes as its run ends:
    // the end says both in one line.
    const bool writing = session_.Running() && session_.CurrentOperation() == kWriteAllOperation;
    if (writing || note.kind == NoteKind::NotSaved) {
        heldNotes_.push_back(std::move(shown));
        return;
    }
    ShowVerdict({shown});
}

void Tfrm_MainLx1::OnProgress(const Progress& progress) {
    heardSinceStart_ = true;
    progress_->setRange(0, progress.maximum);
    progress_->setValue(progress.position);
    progress_->setVisible(progress.visible);
    ShowProgressInStatus(progress);
}

void Tfrm_MainLx1::OnPortStatus(const PortStatus& status) {
    portStatusShown_ = status;
    SetPortStatus(PortStatusLine(status, language_));
    const bool open = session_.PortIsOpen();
    if (open && !portWasOpen_) {
        // In batch work each device starts on a port opened anew.
        info_->ShowSeparatorLine(
            Tr(language_, "lang_Info_PortOpened")
                .arg(FromGbk(session_.PortSettings().port),
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    }
    if (open != portWasOpen_) {
        ShowPortOpenedOrClosed(open);
    }
    portWasOpen_ = open;
}

void Tfrm_MainLx1::OnRunFinished(const RunOutcome& outcome) {
    std::vector<EngineNote> notes = std::exchange(heldNotes_, {});
    // No line got through (the first is a query), so nothing was taken that a restart could lose.
    if (outcome.linesDone == 0) {
        std::erase_if(notes,
                      [](const EngineNote& note) { return note.kind == NoteKind::NotSaved; });
    }
    if (!notes.empty()) {
        ShowVerdict(notes);
    }
    ShowRunHints(outcome);
}

}  // namespace dtu
