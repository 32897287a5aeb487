// Renders every window of the tool in both languages to PNG files, for review.
// Usage: screenshots <output folder>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/about_window.h"
#include "app/apn_window.h"
#include "app/app_font.h"
#include "app/login_window.h"
#include "app/port_combo_box.h"
#include "app/startup.h"
#include "lang/lang_list.h"
#include "mainwindow/info_area.h"
#include "mainwindow/log_find.h"
#include "mainwindow/main_window.h"
#include "port/open_error.h"
#include "serial/port_identity.h"
#include "tools/dtusim/pty_device.h"
#include "widgets/lang_qt.h"

namespace {

constexpr int kWorkModes = 5;

// A desktop larger than the main window, so that maximising it shows the room it takes.
constexpr const char* kScreenConfig =
    R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1366, "height": 768,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

// Ports as two adapters and an on-board port would list them.
std::vector<dtu::PortInfo> SamplePorts() {
    dtu::PortInfo onBoard;
    onBoard.path = "/dev/ttyS0";
    dtu::PortInfo ftdi;
    ftdi.path = "/dev/ttyUSB0";
    ftdi.byId = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A9X1B2C3-if00-port0";
    ftdi.vendorId = "0403";
    ftdi.productId = "6001";
    ftdi.manufacturer = "FTDI";
    ftdi.product = "FT232R USB UART";
    ftdi.serial = "A9X1B2C3";
    dtu::PortInfo ch340;
    ch340.path = "/dev/ttyUSB1";
    ch340.byId = "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0";
    ch340.vendorId = "1a86";
    ch340.productId = "7523";
    dtu::PortInfo modem;
    modem.path = "/dev/ttyACM0";
    modem.vendorId = "2c7c";
    modem.productId = "6026";
    modem.manufacturer = "Quectel";
    modem.product = "EC200T";
    return {modem, onBoard, ftdi, ch340};
}

struct ErrorShot {
    const char* name;
    dtu::OpenError error;
};

std::vector<ErrorShot> SampleErrors() {
    using dtu::OpenFailure;
    dtu::OpenError permission{
        OpenFailure::Permission, "/dev/ttyUSB0", "dialout", false, 0, "", "", {}};
    dtu::OpenError rootOnly{OpenFailure::Permission, "/dev/ttyS0", "", true, 0, "", "", {}};
    dtu::OpenError busy{OpenFailure::Busy, "/dev/ttyUSB0", "", false, 4242, "minicom", "", {}};
    dtu::OpenError busyUnknown{OpenFailure::Busy, "/dev/ttyUSB0", "", false, 0, "", "", {}};
    dtu::OpenError missing{OpenFailure::Missing, "/dev/ttyUSB1", "", false, 0, "", "", {}};
    dtu::OpenError noPort{OpenFailure::Missing, "", "", false, 0, "", "", {}};
    dtu::OpenError other{
        OpenFailure::Other, "/dev/ttyS1", "", false, 0, "", "Input/output error", {}};
    return {{"permission", permission},
            {"root_only", rootOnly},
            {"busy", busy},
            {"busy_holder_unknown", busyUnknown},
            {"missing", missing},
            {"no_port", noPort},
            {"other", other}};
}

class Shooter {
public:
    explicit Shooter(QDir folder) : folder_(std::move(folder)) {}

    bool Save(QWidget& widget, const QString& name) {
        QApplication::processEvents();
        const QString path = folder_.filePath(name + ".png");
        if (!widget.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok_ = false;
        }
        return ok_;
    }

    bool Ok() const { return ok_; }

private:
    QDir folder_;
    bool ok_ = true;
};

void ShootMenu(Shooter& shooter, QMenu* menu, const QString& name) {
    menu->popup({0, 0});
    shooter.Save(*menu, name);
    menu->hide();
}

// Runs the event loop until the session's run has ended, at most 30 s.
void WaitForVerdict(dtu::DeviceSession& session) {
    QElapsedTimer waited;
    waited.start();
    while (session.Running() && waited.elapsed() < 30000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// The information area after each way a run can fail, against the simulated device.
void ShootVerdicts(dtu::Tfrm_MainLx1& main, Shooter& shooter, const QString& language) {
    using namespace std::chrono_literals;
    dtu::DeviceSession& session = main.Session();
    auto device = std::make_unique<dtu::sim::PtyDevice>();
    device->Start();
    main.Info()->ClearArea();
    main.show();
    if (!session.OpenPort({device->SlavePath(), "115200", "NONE", "8", "1"}).Opened()) {
        return;
    }
    dtu::FormModel& form = session.Form();
    form.SetView(dtu::kFullView);
    form.SetTick(dtu::Field::HeartbeatPacketHex, true);
    form.SetText(dtu::Field::HeartbeatPacket, "HELLO");  // not hexadecimal: refused
    session.WriteAll();
    WaitForVerdict(session);
    session.WriteAll();
    session.RestartDevice();  // replaces the write all
    WaitForVerdict(session);
    shooter.Save(main, language + "_main_verdicts_refused_interrupted");
    main.Info()->ClearArea();
    session.SetReplyTimeout(300ms);
    device->SilentOn("AT+CIRESET", 2);
    session.RestartDevice();
    WaitForVerdict(session);
    session.WriteAll();
    QApplication::processEvents(QEventLoop::AllEvents, 200);
    device.reset();  // the device is gone
    WaitForVerdict(session);
    shooter.Save(main, language + "_main_verdicts_silent_lost");
    main.Info()->ClearArea();
    // A device that keeps nothing, then one heard at the wrong speed.
    for (auto fault : {+[](dtu::sim::PtyDevice& d) { d.SetForgetful(true); },
                       +[](dtu::sim::PtyDevice& d) { d.SetNoise(50ms); }}) {
        device = std::make_unique<dtu::sim::PtyDevice>();
        fault(*device);
        device->Start();
        if (session.OpenPort({device->SlavePath(), "115200", "NONE", "8", "1"}).Opened()) {
            session.ReadAll();
            WaitForVerdict(session);
        }
    }
    shooter.Save(main, language + "_main_verdicts_not_read_unreadable");
    session.ClosePort();
    device.reset();
    session.SetReplyTimeout(dtu::Engine::kReplyTimeout);
    form.SetTick(dtu::Field::HeartbeatPacketHex, false);
    form.SetText(dtu::Field::HeartbeatPacket, "LOG");
    form.SetView(dtu::kCompactView);
    main.hide();
}

// Write all refused before anything went out: the values to fix framed and named.
void ShootRefusedWrite(dtu::Tfrm_MainLx1& main, Shooter& shooter, const QString& language) {
    dtu::FormModel& form = main.Session().Form();
    const dtu::FormModel kept = form;
    main.Info()->ClearArea();
    main.show();
    form.SetText(dtu::Field::Socket1Host, "dtu.example.net\"");
    form.SetText(dtu::Field::Socket1Port, "70000");
    form.SetText(dtu::Field::HeartbeatPeriod, "");
    main.findChild<QAction*>("actSetAll")->trigger();
    shooter.Save(main, language + "_main_write_refused");
    shooter.Save(*main.statusBar(), language + "_main_status_refused");
    for (const dtu::Field field :
         {dtu::Field::Socket1Host, dtu::Field::Socket1Port, dtu::Field::HeartbeatPeriod}) {
        form.SetText(field, kept.Text(field));
    }
    main.hide();
}

// The compact view's question before a write that would change what it hides:
// the device has socket 2 on and restarts every 900 s.
void ShootHiddenChanges(dtu::Tfrm_MainLx1& main, Shooter& shooter, const QString& language) {
    dtu::DeviceSession& session = main.Session();
    dtu::sim::PtyDevice device;
    device.Start();
    main.Info()->ClearArea();
    main.show();
    if (!session.OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"}).Opened()) {
        return;
    }
    auto* showMore = main.findChild<QPushButton*>("btn_ShowMore");
    showMore->click();  // full view
    dtu::FormModel& form = session.Form();
    form.SetTick(dtu::Field::Socket2Enable, true);
    form.SetText(dtu::Field::Socket2Host, "backup.example.net");
    form.SetText(dtu::Field::RestartTime, "900");
    session.WriteAll();
    WaitForVerdict(session);
    session.ReadAll();
    WaitForVerdict(session);
    showMore->click();  // compact view
    QTimer::singleShot(0, [&shooter, &language] {
        QWidget* question = QApplication::activeModalWidget();
        if (question == nullptr) {
            return;
        }
        shooter.Save(*question, language + "_main_hidden_changes_question");
        question->findChild<QPushButton*>("btn_CancelWrite")->click();
    });
    main.findChild<QAction*>("actSetAll")->trigger();
    session.ClosePort();
    device.Stop();
    form.SetTick(dtu::Field::Socket2Enable, false);
    form.SetText(dtu::Field::RestartTime, "1800");
    main.hide();
}

// A factory-default device read and written in the compact view: the sockets
// it hides stay off, so no question comes; the log names what the write changes.
void ShootFactoryDefaultWrite(dtu::Tfrm_MainLx1& main, Shooter& shooter, const QString& language) {
    dtu::DeviceSession& session = main.Session();
    dtu::sim::PtyDevice device;
    device.Start();
    main.Info()->ClearArea();
    main.show();
    if (!session.OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"}).Opened()) {
        return;
    }
    session.ReadAll();
    WaitForVerdict(session);
    QTimer::singleShot(0, [&shooter, &language] {
        QWidget* question = QApplication::activeModalWidget();
        if (question == nullptr) {
            return;
        }
        shooter.Save(*question, language + "_main_factory_default_question");
        question->findChild<QPushButton*>("btn_CancelWrite")->click();
    });
    main.Info()->ClearArea();
    main.findChild<QAction*>("actSetAll")->trigger();
    // While it writes: the log's line of what changes, the status bar's count.
    shooter.Save(main, language + "_main_factory_default_compact_write");
    WaitForVerdict(session);
    session.ClosePort();
    device.Stop();
    main.hide();
}

void ShootPortList(dtu::Tfrm_Login& login, Shooter& shooter, const QString& language) {
    const std::vector<dtu::PortInfo> ports = SamplePorts();
    login.SetPortSource({[ports] { return ports; }, "/dev"});
    dtu::PortComboBox* box = login.cbb_Open_ComName;
    box->SetText("/dev/ttyUSB0");
    box->showPopup();
    shooter.Save(*box->view()->window(), language + "_port_list");
    box->hidePopup();
    for (const ErrorShot& shot : SampleErrors()) {
        login.ShowOpenError(shot.error);
        shooter.Save(login, language + "_port_window_error_" + shot.name);
    }
    login.ShowOpenError({});
    // A network name longer than the box: elided in the middle, whole in the tooltip.
    login.AddNetworkPort("rfc2217://192.168.100.200:4001");
    shooter.Save(login, language + "_port_window_network_port");
    login.SetPortSource({});
}

void ShootLog(dtu::Tfrm_MainLx1& main, const dtu::TLangList& texts, Shooter& shooter,
              const QString& language) {
    dtu::InfoArea* log = main.Info();
    log->ClearArea();
    log->SetTimeStamps(true);
    log->ShowTxLine("AT+CIVER?\r\n");
    log->ShowRxLine("\r\n+CIVER:V2.1.8\r\n\r\nOK\r\n");
    log->ShowTxLine("AT+CIPSCONT?\r\n");
    log->ShowErrorLine("\r\nERROR\r\n");
    log->ShowInfoLine(dtu::Tr(texts, "lang_Info_ReadSuccess"));
    shooter.Save(main, language + "_main_log_time_stamps");
    // Noise from a wrong baud rate, seen as it came, and a search in the log.
    auto* hex = main.findChild<QCheckBox*>("chk_HexView");
    hex->setChecked(true);
    log->ShowHexBlock(
        QByteArray("\x00\xF8\x80\x1C\xFE\xE0~\x06\r\nOK\r\n\xFF\x7F\x80\x00\xE6\x18\xF0", 23));
    log->ShowInfoLine("\xF8\x80\x1C\xFE");
    log->Flush();
    main.show();
    QTest::keySequence(&main, QKeySequence::Find);
    QTest::keyClicks(main.findChild<QLineEdit*>("edt_FindLog"), "OK");
    shooter.Save(main, language + "_main_log_find_hex");
    main.Find()->Close();
    hex->setChecked(false);
    // The send box with its line-end choice open.
    main.findChild<QPlainTextEdit*>("mmo_Send")->setPlainText("AT+CSQ");
    auto* lineEnd = main.findChild<QComboBox*>("cbb_SendLineEnd");
    lineEnd->setCurrentIndex(1);
    shooter.Save(main, language + "_main_send_line_end");
    lineEnd->showPopup();
    shooter.Save(*lineEnd->view()->window(), language + "_main_send_line_end_list");
    lineEnd->hidePopup();
    lineEnd->setCurrentIndex(0);
    main.findChild<QPlainTextEdit*>("mmo_Send")->clear();
    main.showMaximized();
    shooter.Save(main, language + "_main_maximised");
    main.showNormal();
    log->SetTimeStamps(false);
}

void ShootLanguage(dtu::AppWindows& windows, Shooter& shooter, const QString& language) {
    dtu::Tfrm_Login& login = *windows.login;
    login.ApplyLoginTexts();
    windows.main->ApplyMainTexts();

    login.show();
    shooter.Save(login, language + "_port_window");
    ShootMenu(shooter, login.N3, language + "_port_window_file_menu");
    ShootMenu(shooter, login.N2, language + "_port_window_help_menu");
    // The stored port does not exist here, so the open fails and the note shows.
    const QString chosenPort = login.cbb_Open_ComName->Text();
    login.cbb_Open_ComName->SetText("/dev/no-such-port");
    login.btn_Com->click();
    shooter.Save(login, language + "_port_window_open_failed");
    ShootPortList(login, shooter, language);
    login.cbb_Open_ComName->SetText(chosenPort);
    login.hide();

    dtu::Tfrm_MainLx1& main = *windows.main;
    main.show();
    auto* showMore = main.findChild<QPushButton*>("btn_ShowMore");
    auto* workMode = main.findChild<QComboBox*>("cbb_WorkMode");
    shooter.Save(main, language + "_main_compact");
    if (showMore != nullptr) {
        showMore->click();
        shooter.Save(main, language + "_main_full");
    }
    if (workMode != nullptr) {
        for (int mode = 1; mode < kWorkModes; ++mode) {
            workMode->setCurrentIndex(mode);
            shooter.Save(main, language + "_main_mode" + QString::number(mode));
        }
        workMode->setCurrentIndex(0);
    }
    if (showMore != nullptr) {
        showMore->click();
    }
    ShootLog(main, windows.language, shooter, language);
    for (QAction* action : main.menuBar()->actions()) {
        if (QMenu* menu = action->menu(); menu != nullptr && action->isVisible()) {
            ShootMenu(shooter, menu, language + "_main_menu_" + menu->objectName());
        }
    }
    main.hide();
    ShootVerdicts(main, shooter, language);
    ShootRefusedWrite(main, shooter, language);
    ShootHiddenChanges(main, shooter, language);
    ShootFactoryDefaultWrite(main, shooter, language);

    windows.About().show();
    shooter.Save(windows.About(), language + "_about");
    windows.About().hide();
    windows.apn->show();
    shooter.Save(*windows.apn, language + "_apn");
    windows.apn->hide();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    // Fresh settings and language files, so the pictures show the built-in state.
    QTemporaryDir configDir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        QFile screens(configDir.filePath("screens.json"));
        if (screens.open(QIODevice::WriteOnly)) {
            screens.write(kScreenConfig);
            screens.close();
        }
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    // As ./run.sh starts it: its simulated device is chosen on a first start.
    if (qEnvironmentVariableIsEmpty("DTUCONFIG_EXTRA_PORTS")) {
        qputenv("DTUCONFIG_EXTRA_PORTS", "/tmp/dtusim0");
    }
    if (qEnvironmentVariableIsEmpty("DTUCONFIG_CONFIG_DIR")) {
        qputenv("DTUCONFIG_CONFIG_DIR", configDir.path().toLocal8Bit());
    }
    QApplication app(argc, argv);
    QApplication::setFont(dtu::ApplicationFont());
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const auto windows = dtu::CreateAppWindows();
    Shooter shooter(folder);
    // Before any port was opened: what a first start selects.
    for (const bool chinese : {true, false}) {
        windows->language.IsChinese = chinese;
        windows->login->ApplyLoginTexts();
        windows->login->show();
        shooter.Save(*windows->login,
                     chinese ? "zh_port_window_first_start" : "en_port_window_first_start");
        windows->login->hide();
    }
    for (const bool chinese : {true, false}) {
        windows->language.IsChinese = chinese;
        ShootLanguage(*windows, shooter, chinese ? "zh" : "en");
    }
    return shooter.Ok() ? 0 : 1;
}
