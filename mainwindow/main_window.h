#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/find_control.h"
#include "mainwindow/qt_event_poster.h"
#include "protocol/engine_window.h"
#include "serial/comm.h"
#include "serial/port_control.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QShortcut;
class QTimer;

namespace dtu {

class DigitsOnlyFilter;
class Engine;
class HintSwitch;
class InfoArea;
class IniFile;
class OrderList;

// The tool's one working screen: the parameter form with its work-mode pages
// and two views, the information area, the send area, the operations and menus.
class Tfrm_MainLx1 : public QMainWindow, public EngineWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 819;
    static constexpr int kClientHeight = 668;

    // Loads the language and settings files itself.
    explicit Tfrm_MainLx1(QWidget* parent = nullptr);
    // Start-up hands over the settings it loaded with the language table and
    // its language.
    explicit Tfrm_MainLx1(std::unique_ptr<IniFile> settings, QWidget* parent = nullptr);
    ~Tfrm_MainLx1() override;

    IniFile* Settings() const { return settings_.get(); }
    bool IsCustom() const { return isCustom_; }
    PortControl& Port() { return port_; }
    OrderList& Orders() { return *orders_; }
    Engine& Protocol() { return *engine_; }
    QLineEdit* ApnField() const { return apnField_; }
    InfoArea* Info() const { return info_; }

    void ApplyMainTexts();
    void SetReopenItemVisible(bool visible);

    // Work mode: the item index of the work-mode box (-1 when none); view:
    // 0 full, 1 compact.
    int GetWorkMode() const;
    int GetViewMode() const;
    void ShowWorkModePage();
    void InitView();
    void EnableFamilyControls(bool enable) override;

    // The information area's writers; texts are GBK bytes.
    void ShowTxLine(const std::string& text) override;
    void ShowRxLine(const std::string& text) override;
    void ShowErrorLine(const std::string& text) override;
    void ShowInfoLine(const std::string& text) override;

    // The protocol engine's view of the form (reply_dispatch.cpp, form_values.cpp).
    void ShowProgress() override;
    void SetProgressRange(int minimum, int maximum) override;
    void SetProgressPosition(int position) override;
    void HideProgress() override;
    void DispatchReply(const std::string& name, const std::string& value) override;
    FormValues ReadForm() const override;
    void ResetFormForFactory() override;

    // Rewrites the D2D ID and the registration packet it generates.
    void UpdateD2DRegPacket();

    // PortView.
    void SetPortStatus(const std::string& text) override;
    void SetReplyTimerInterval(int milliseconds) override;
    void ArmReplyTimer() override;
    void DisarmReplyTimer() override;

    // Set by the shell once the other windows exist.
    std::function<void()> showAbout;
    std::function<void()> showLoginWindow;
    std::function<void()> applyDialogTexts;
    std::function<void()> showApn;

signals:
    // An operation button, its menu entry or its shortcut, by the action's tag 1-9.
    void operationRequested(int tag);
    // The reply timer ran out.
    void replyTimedOut();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout, one region each (main_layout.cpp, data_page.cpp, other_pages.cpp).
    void BuildForm();
    void BuildCommonGroup(QWidget* central);
    void BuildPages(QWidget* central);
    void BuildDataPage(QWidget* page);
    void BuildAtCmdPage(QWidget* page);
    void BuildInfoGroup(QWidget* central);
    void BuildSendGroup(QWidget* central);
    void BuildBottomButtons(QWidget* central);
    void BuildStatusBar();
    // The glyphs are read from disk, so only once the window is first shown.
    void LoadButtonGlyphs();

    // Actions and menus (main_menus.cpp).
    void BuildActions();
    void BuildMenus();
    void MenuClick(int tag);
    void SwitchLanguage();
    void ToggleHints();

    // Views and couplings (main_view.cpp).
    void btn_ShowMoreClick();
    void ShowCompactView();
    void ShowFullView();
    void chk_D2DEnableClick();
    void chkCloudEnalbeClick();
    void cbb_APNChange();

    // Operations and couplings (main_operations.cpp).
    void ConnectOperations();
    void actDoExecute(int tag);
    bool AskFactoryReset();
    void chk_HexEnableClick(QCheckBox* box);

    // Reply dispatch helpers (reply_dispatch.cpp).
    void ApplyIcfReply(const std::vector<std::string>& items);
    void ApplyPacketReply(const std::vector<std::string>& items);
    void ApplySocketReply(const std::vector<std::string>& items);
    void ApplyWorkModeReply(const std::string& item);

    // Creation steps (main_settings.cpp).
    void LoadSettings();
    void LoadApnChoice();
    void SaveSettings();

    template <class T>
    T* Child(const QString& name) const {
        return FindControl<T>(this, name);
    }

    QtEventPoster poster_;
    TComm cm1_;
    PortControl port_;
    std::unique_ptr<IniFile> settings_;
    std::unique_ptr<OrderList> orders_;
    std::unique_ptr<Engine> engine_;
    bool isCustom_ = false;
    bool settingsSaved_ = false;
    bool glyphsLoaded_ = false;

    DigitsOnlyFilter* digitsOnly_ = nullptr;
    HintSwitch* hints_ = nullptr;
    QTimer* tmrRcv_ = nullptr;
    QShortcut* reopenShortcut_ = nullptr;

    QStackedWidget* pages_ = nullptr;
    QWidget* dataPage_ = nullptr;
    QComboBox* workMode_ = nullptr;
    QComboBox* apnChoice_ = nullptr;
    QLineEdit* apnField_ = nullptr;
    QPushButton* showMore_ = nullptr;
    InfoArea* info_ = nullptr;
    QLabel* portStatus_ = nullptr;
    QProgressBar* progress_ = nullptr;

    // Socket 1 as the last socket reply gave it; a work-mode reply places it.
    struct SocketStore {
        std::string protocol;  // upper case
        std::string host;
        std::string port;
        bool enabled = false;
    };
    SocketStore sock1_;
};

}  // namespace dtu
