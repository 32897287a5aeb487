#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "lang/lang_list.h"
#include "mainwindow/named_controls.h"
#include "mainwindow/qt_event_poster.h"
#include "mainwindow/qt_texts.h"
#include "mainwindow/qt_timers.h"
#include "mainwindow/stretching.h"
#include "mainwindow/text_targets.h"
#include "session/device_session.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QShortcut;

namespace dtu {

class BottomButtons;
class DeviceListStrip;
class DigitsOnlyFilter;
class FormBinder;
class FormWrite;
class HintSwitch;
class InfoArea;
class InfoGroup;
class IniFile;
class LogFind;
class RunReport;
class SendArea;
class WorkModePages;
class WriteRecorder;

// The tool's one working screen: the parameter form with its work-mode pages
// and two views, the information area, the send area, the operations and menus.
class Tfrm_MainLx1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 819;
    static constexpr int kClientHeight = 668;

    // Loads the language file into `language`, which it shows its texts from,
    // and the settings file itself; `version` follows the name in the title.
    Tfrm_MainLx1(TLangList& language, const QString& version, QWidget* parent = nullptr);
    // Start-up hands over the language table it loaded, in the language the
    // settings chose, and those settings.
    Tfrm_MainLx1(TLangList& language, std::unique_ptr<IniFile> settings, const QString& version,
                 QWidget* parent = nullptr);
    ~Tfrm_MainLx1() override;

    IniFile* Settings() const { return settings_.get(); }
    bool IsCustom() const { return isCustom_; }
    DeviceSession& Session() { return session_; }
    QLineEdit* ApnField() const { return apnField_; }
    InfoArea* Info() const { return info_; }
    const QtTexts& QtOwnTexts() const { return qtTexts_; }
    LogFind* Find() const;

    void ApplyMainTexts();
    void SetReopenItemVisible(bool visible);

    // Writes the settings file once, when the program quits. After a failed
    // write the user may try again or leave without saving; either way it returns.
    void SaveSettingsOnQuit();

    // Writes the log to `path` (HTML for a ".html" name), telling the user when
    // it cannot.
    void SaveLogTo(const QString& path);

    // The information area's red line and the status bar's port panel; texts are GBK bytes.
    void ShowErrorLine(const std::string& text);
    void SetPortStatus(const std::string& text);

    // Set by the shell once the other windows exist.
    std::function<void()> showAbout;
    std::function<void()> showLoginWindow;
    std::function<void()> applyDialogTexts;
    std::function<void()> showApn;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Layout, one region each (main_layout.cpp, common_group.cpp).
    void BuildForm();
    void BuildCommonGroup(QWidget* central);
    // Widens what is too narrow for its texts in either language; returns how
    // much wider the form column became.
    int FitTextWidths();
    void WidenFormColumn(int extra);

    // Actions and menus (main_menus.cpp).
    void BuildActions();
    // An operation, run by its action, `button` and any shortcut.
    QAction* AddOperation(QActionGroup* list, const char* name, int tag, QPushButton* button,
                          const std::function<void()>& run);
    void BuildMenus();
    void BuildHelpMenu(QMenu* help);
    QAction* AddMenuItem(QMenu* menu, const char* name, int tag, const char* caption,
                         const std::function<void()>& run);
    void ClosePortToLogin();
    // F8: the port closed and opened again with the port settings saved in the port window.
    void ReopenWithSavedPort();
    void SwitchLanguage();
    void ToggleHints();
    void ToggleTimeStamps();
    void SaveLogAs();
    // The send box's text, with its line end, to the port.
    void SendFromSendBox();

    // The form as a profile file (main_profile.cpp).
    void ExportProfile();
    void ImportProfile();
    // The file chosen in a file dialog; empty when the user cancelled.
    QString AskProfilePath(bool forSaving);
    // File > Device List: a list's rows over the form (main_device_list.cpp).
    void OpenDeviceList();

    // Ties the language texts to the controls that show them (main_texts.cpp).
    void BindTexts();

    // Creation steps (main_settings.cpp).
    void LoadSettings();
    void SaveSettings();
    // A line in the log for each list key of `file` whose stored index was
    // replaced by its default.
    void ShowIndexesOutsideLists(const IniFile& file, bool profile, const QString& fileName);

    TLangList& language_;
    QtEventPoster poster_;
    QtTimers timers_;
    DeviceSession session_;
    std::unique_ptr<IniFile> settings_;
    QString version_;
    FormBinder* binder_ = nullptr;
    bool isCustom_ = false;
    bool settingsSaved_ = false;
    QString logFolder_;  // where the log was last saved
    QtTexts qtTexts_;
    // Every control a table names, as the layout creates it.
    NamedControls named_;
    TextTargets texts_;

    DigitsOnlyFilter* digitsOnly_ = nullptr;
    HintSwitch* hints_ = nullptr;
    QShortcut* reopenShortcut_ = nullptr;
    QAction* readAll_ = nullptr;
    QAction* writeAll_ = nullptr;
    QAction* factoryReset_ = nullptr;
    QAction* reopenItem_ = nullptr;
    QAction* timeStampsItem_ = nullptr;
    QAction* hintsItem_ = nullptr;
    QMenu* helpMenu_ = nullptr;

    WorkModePages* pages_ = nullptr;
    QComboBox* workMode_ = nullptr;
    QComboBox* apnChoice_ = nullptr;
    QLineEdit* apnField_ = nullptr;
    InfoArea* info_ = nullptr;
    std::unique_ptr<RunReport> report_;
    std::unique_ptr<FormWrite> formWrite_;
    std::unique_ptr<WriteRecorder> recorder_;  // every write all into the record
    DeviceListStrip* listStrip_ = nullptr;     // made on first use

    std::unique_ptr<BottomButtons> bottom_;
    QWidget* commonGroup_ = nullptr;
    InfoGroup* infoGroup_ = nullptr;
    SendArea* sendArea_ = nullptr;

    Stretching stretching_;
};

}  // namespace dtu
