#pragma once

#include <QMainWindow>
#include <functional>

#include "serial/port_control.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace dtu {

class PortComboBox;
class Tfrm_About;
class Tfrm_MainLx1;
struct StartupFiles;

// The port-selection window: pick a serial port and its line settings and open
// it; the main window then takes over. Closing this window ends the program.
class Tfrm_Login : public QMainWindow {
    Q_OBJECT
public:
    // Reads its choices from the start-up's files; `mainWindow` gives the main
    // window, building it if start-up has not done so yet.
    Tfrm_Login(const StartupFiles& files, std::function<Tfrm_MainLx1&()> mainWindow,
               Tfrm_About& about, QWidget* parent = nullptr);

    // Texts of the current language on this window.
    void ApplyLoginTexts();

    // The note shown at the bottom edge.
    QString StatusText() const;

    // The five box texts in port-settings order; an empty box gives an empty text.
    PortTexts ChosenPortTexts() const;

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
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void BuildMenu();
    void FormCreate(const StartupFiles& files);
    void RebuildPortList();
    void RestoreSettings(const StartupFiles& files);

    void btn_ComClick();
    void MenuClick(int tag);
    void cbb_Open_ComNameDropDown();
    void cbb_Open_ComNameCloseUp();

    std::function<Tfrm_MainLx1&()> main_;
    Tfrm_About& about_;
    bool centred_ = false;
};

}  // namespace dtu
