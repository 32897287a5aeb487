#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "protocol/find_try.h"
#include "serial/port_control.h"
#include "serial/port_identity.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSocketNotifier;

namespace dtu {

class PortComboBox;
class PortWatch;
class PortWindowHost;
class TLangList;
class Tfrm_About;
struct StartupFiles;

// The serial ports there are, and the network ports named by the environment.
std::vector<PortInfo> PresentPorts();

// Where the port list comes from, and the device folder whose changes make the
// window read it again while shown.
struct PortSource {
    std::function<std::vector<PortInfo>()> list = PresentPorts;
    std::string watchedDir = "/dev";
};

// The port-selection window: pick a serial port and its line settings and open
// it; the main window then takes over. Closing this window ends the program
// (the shell ends the run when no window is left).
class Tfrm_Login : public QMainWindow {
    Q_OBJECT
public:
    // Reads its choices from the start-up's files and shows `language`'s
    // texts, switching its language on demand; `host` opens the port and
    // `about` gives that window, building it if start-up has not done so yet.
    Tfrm_Login(const StartupFiles& files, TLangList& language, PortWindowHost& host,
               std::function<Tfrm_About&()> about, QWidget* parent = nullptr);
    ~Tfrm_Login() override;

    // Lists the ports from `source` from now on.
    void SetPortSource(PortSource source);

    // Texts of the current language on this window.
    void ApplyLoginTexts();

    // The note shown at the bottom edge.
    QString StatusText() const;

    // The five box texts in port-settings order; an empty box gives an empty text.
    PortTexts ChosenPortTexts() const;

    // Says in the status bar why the port did not open.
    void ShowOpenError(const OpenError& error);

    // Lists a port behind a serial device server ("rfc2217://HOST:PORT",
    // "socket://HOST:PORT") from now on, remembers it in the settings and
    // shows it; a malformed name is refused with a note.
    bool AddNetworkPort(const QString& name);

    QLabel* lbl_PcCom;
    QGroupBox* grp_OpenCom;
    QLabel* lbl_Open_ComName;
    PortComboBox* cbb_Open_ComName;
    QLabel* lbl_Open_BaudRate;
    QComboBox* cbb_Open_BaudRate;
    QLabel* lbl_Open_Param;
    QComboBox* cbb_Open_Parity;
    QComboBox* cbb_Open_Byte;
    QComboBox* cbb_Open_Stop;
    QPushButton* btn_Com;
    QPushButton* btn_Find;  // tries the line settings until the device answers; Cancel meanwhile
    QLabel* stat1;

    QMenu* N3;
    QAction* N_SaveComConf;
    QAction* N_Exit;
    QAction* N1;
    QMenu* N2;
    QAction* N5;
    QAction* N6;
    QAction* N7;
    QAction* mni_WorkOrder;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenu();
    void FormCreate(const StartupFiles& files);
    void RebuildPortList();
    void RestoreSettings(const StartupFiles& files);
    void ShowPortTexts(const PortTexts& texts);
    void SetStatusNote(const QString& note);
    void StartWatchingPorts();
    void StopWatchingPorts();

    void AskForNetworkPort();
    void btn_ComClick();
    void btn_FindClick();
    void ShowFindTry(const FindTry& setting, std::size_t index, std::size_t count);
    void FindFinished(const FindOutcome& outcome);
    // While a search runs, only its Cancel works.
    void SetFinding(bool on);
    void SwitchLanguage();
    void SaveComConf();
    void cbb_Open_ComNameDropDown();

    TLangList& language_;
    PortWindowHost& host_;
    std::function<Tfrm_About&()> about_;
    QWidget* client_ = nullptr;
    PortSource portSource_;
    std::vector<std::string> networkPorts_;  // added by the user, after the serial ports
    std::unique_ptr<PortWatch> portWatch_;
    QSocketNotifier* portNotifier_ = nullptr;
    // Gathers the events of one plug-in (the node, then its by-id link) into one re-read.
    QTimer portRefresh_;
    bool centred_ = false;
    bool finding_ = false;
};

}  // namespace dtu
