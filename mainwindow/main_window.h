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
class DeviceCompare;
class DeviceListStrip;
class DigitsOnlyFilter;
class FormBinder;
class FormWrite;
class HintSwitch;
class InfoArea;
class InfoGroup;
class IniFile;
class LogFind;
class LogSaving;
class MainMenus;
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
    LogSaving& Log() { return *logSaving_; }

    // Writes the settings file once, when the program quits. After a failed
    // write the user may try again or leave without saving; either way it returns.
    void SaveSettingsOnQuit();

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

    // The operations, each run by its action, a button and any shortcut, and
    // what the menus do beyond them (main_actions.cpp).
    void BuildActions();
    QAction* AddOperation(QActionGroup* list, const char* name, int tag, QPushButton* button,
                          const std::function<void()>& run);
    void BuildMenus();
    void ClosePortToLogin();
    // F8: the port closed and opened again with the port settings saved in the port window.
    void ReopenWithSavedPort();
    void SwitchLanguage();
    // The send box's text, with its line end, to the port.
    void SendFromSendBox();

    // Compare with Device, its parts made on first use (main_compare.cpp).
    void CompareWithDevice();
    // File > Device List: a list's rows over the form (main_device_list.cpp).
    void OpenDeviceList();

    // Creation steps (main_settings.cpp).
    void LoadSettings();
    void SaveSettings();

    TLangList& language_;
    QtEventPoster poster_;
    QtTimers timers_;
    DeviceSession session_;
    std::unique_ptr<IniFile> settings_;
    QString version_;
    FormBinder* binder_ = nullptr;
    bool isCustom_ = false;
    bool settingsSaved_ = false;
    QtTexts qtTexts_;
    // Every control a table names, as the layout creates it.
    NamedControls named_;
    TextTargets texts_;

    DigitsOnlyFilter* digitsOnly_ = nullptr;
    HintSwitch* hints_ = nullptr;
    QAction* readAll_ = nullptr;
    QAction* writeAll_ = nullptr;
    QAction* factoryReset_ = nullptr;
    MainMenus* menus_ = nullptr;
    std::unique_ptr<LogSaving> logSaving_;

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
    std::unique_ptr<DeviceCompare> compare_;  // before the session goes: it waits on its read
};

}  // namespace dtu
