#include "app/login_window.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHideEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSocketNotifier>
#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>

#include "app/about_window.h"
#include "app/port_combo_box.h"
#include "app/port_window_host.h"
#include "app/startup_files.h"
#include "lang/lang_list.h"
#include "render/open_error_text.h"
#include "serial/net_port_name.h"
#include "serial/port_control.h"
#include "serial/port_scan.h"
#include "serial/port_watch.h"
#include "session/device_session.h"
#include "settings/ini_file.h"
#include "shell/version_string.h"
#include "widgets/form_text.h"
#include "widgets/lang_qt.h"
#include "widgets/web_address.h"

namespace dtu {

std::vector<PortInfo> PresentPorts() {
    std::vector<PortInfo> ports = ListPortInfos();
    // Ports named by the environment are listed whether there or not; a device
    // node that has gone (a simulator that ended) leaves the list.
    std::erase_if(ports, [](const PortInfo& port) {
        return !HasNetScheme(port.path) && !std::filesystem::exists(port.path);
    });
    return ports;
}

namespace {

constexpr int kClientWidth = 431;
constexpr int kClientHeight = 315;
// Two lines fit between the open button and the bottom edge; a longer note
// makes the window taller.
constexpr int kStatusHeight = 34;
constexpr int kPortRefreshMs = 150;
// The network ports the user added, in the settings file.
constexpr const char* kNetworkPortsKey = "NetPorts";

QLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

template <std::size_t N>
QComboBox* MakeChoiceBox(QWidget* parent, const char* name, QRect geometry,
                         const std::array<const char*, N>& items, const char* initial) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    for (const char* item : items) {
        box->addItem(QString::fromLatin1(item));
    }
    box->setCurrentText(QString::fromLatin1(initial));
    return box;
}

// On a first start the ports named for this run (a simulated device, say) are
// the likely ones; else the first port listed.
int FirstStartIndex(const PortComboBox& box) {
    const QByteArray extra = qgetenv("DTUCONFIG_EXTRA_PORTS");
    for (const std::string& path : AppendExtraPorts({}, extra.toStdString())) {
        if (const int index = box.FindPort(QString::fromLocal8Bit(path)); index >= 0) {
            return index;
        }
    }
    return box.count() > 0 ? 0 : -1;
}

}  // namespace

Tfrm_Login::Tfrm_Login(const StartupFiles& files, TLangList& language, PortWindowHost& host,
                       std::function<Tfrm_About&()> about, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      language_(language),
      host_(host),
      about_(std::move(about)) {
    setObjectName("frm_Login");
    portRefresh_.setSingleShot(true);
    portRefresh_.setInterval(kPortRefreshMs);
    connect(&portRefresh_, &QTimer::timeout, this, &Tfrm_Login::RebuildPortList);
    BuildControls();
    BuildMenu();
    FormCreate(files);
}

Tfrm_Login::~Tfrm_Login() = default;

void Tfrm_Login::SetPortSource(PortSource source) {
    StopWatchingPorts();
    portSource_ = std::move(source);
    RebuildPortList();
    if (isVisible()) {
        StartWatchingPorts();
    }
}

void Tfrm_Login::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName("frm_Login_client");
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    client_ = client;

    lbl_PcCom = MakeLabel(client, "lbl_PcCom", {88, 14, 257, 29}, Qt::AlignCenter);
    QFont headingFont = lbl_PcCom->font();
    headingFont.setPixelSize(24);
    lbl_PcCom->setFont(headingFont);

    grp_OpenCom = new QGroupBox(client);
    grp_OpenCom->setObjectName("grp_OpenCom");
    grp_OpenCom->setGeometry(66, 52, 305, 177);

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    lbl_Open_ComName = MakeLabel(grp_OpenCom, "lbl_Open_ComName", {24, 41, 100, 13}, right);
    cbb_Open_ComName = new PortComboBox(grp_OpenCom);
    cbb_Open_ComName->setObjectName("cbb_Open_ComName");
    cbb_Open_ComName->setGeometry(148, 37, 125, 20);
    lbl_Open_BaudRate = MakeLabel(grp_OpenCom, "lbl_Open_BaudRate", {24, 85, 100, 13}, right);
    cbb_Open_BaudRate =
        MakeChoiceBox(grp_OpenCom, "cbb_Open_BaudRate", {148, 81, 126, 20}, kBaudRates, "115200");
    lbl_Open_Param = MakeLabel(grp_OpenCom, "lbl_Open_Param", {24, 129, 100, 13}, right);
    cbb_Open_Parity =
        MakeChoiceBox(grp_OpenCom, "cbb_Open_Parity", {148, 125, 59, 20}, kParities, "NONE");
    cbb_Open_Byte = MakeChoiceBox(grp_OpenCom, "cbb_Open_Byte", {207, 125, 33, 20}, kDataBits, "8");
    cbb_Open_Stop = MakeChoiceBox(grp_OpenCom, "cbb_Open_Stop", {241, 125, 33, 20}, kStopBits, "1");

    btn_Com = new QPushButton(client);
    btn_Com->setObjectName("btn_Com");
    btn_Com->setGeometry(101, 242, 236, 34);
    btn_Com->setDefault(true);
    btn_Find = new QPushButton(client);
    btn_Find->setObjectName("btn_Find");
    btn_Find->setGeometry(343, 242, 72, 34);

    stat1 =
        MakeLabel(client, "stat1", {0, kClientHeight - kStatusHeight, kClientWidth, kStatusHeight},
                  Qt::AlignLeft | Qt::AlignVCenter);
    stat1->setWordWrap(true);
    // The note may hold a command to copy.
    stat1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    stat1->setFrameShape(QFrame::StyledPanel);
    stat1->setFrameShadow(QFrame::Sunken);
    stat1->setIndent(3);

    setTabOrder(btn_Com, cbb_Open_ComName);
    setTabOrder(cbb_Open_ComName, cbb_Open_BaudRate);
    setTabOrder(cbb_Open_BaudRate, cbb_Open_Parity);
    setTabOrder(cbb_Open_Parity, cbb_Open_Byte);
    setTabOrder(cbb_Open_Byte, cbb_Open_Stop);

    connect(btn_Com, &QPushButton::clicked, this, &Tfrm_Login::btn_ComClick);
    connect(btn_Find, &QPushButton::clicked, this, &Tfrm_Login::btn_FindClick);
    // Enter on a closed box opens, as on the button.
    for (QComboBox* box : {static_cast<QComboBox*>(cbb_Open_ComName), cbb_Open_BaudRate,
                           cbb_Open_Parity, cbb_Open_Byte, cbb_Open_Stop}) {
        box->installEventFilter(this);
    }
    connect(cbb_Open_ComName, &PortComboBox::dropDown, this, &Tfrm_Login::cbb_Open_ComNameDropDown);
    connect(cbb_Open_ComName, &PortComboBox::addRequested, this, &Tfrm_Login::AskForNetworkPort);
}

void Tfrm_Login::BuildMenu() {
    auto addItem = [this](QMenu* menu, const char* name, auto handler) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    N3 = menuBar()->addMenu(QString());
    N3->setObjectName("N3");
    N3->setToolTipsVisible(true);
    N_SaveComConf = addItem(N3, "N_SaveComConf", [this] { SaveComConf(); });
    N_SaveComConf->setToolTip(QString::fromUtf8("用于批量设置"));
    N_Exit = addItem(N3, "N_Exit", [this] { close(); });

    N1 = menuBar()->addAction(QString());
    N1->setObjectName("N1");
    connect(N1, &QAction::triggered, this, &Tfrm_Login::SwitchLanguage);

    N2 = menuBar()->addMenu(QString());
    N2->setObjectName("N2");
    N5 = addItem(N2, "N5", [this] { about_().exec(); });
    N6 = addItem(N2, "N6", [this] { OpenWebAddress(Tr(language_, "lang_DownWeb")); });
    N6->setVisible(false);
    N7 = addItem(N2, "N7", [this] { OpenWebAddress(Tr(language_, "lang_About_Website")); });
    N7->setVisible(false);
    mni_WorkOrder =
        addItem(N2, "mni_WorkOrder", [this] { OpenWebAddress(Tr(language_, "lang_WorkOrder")); });
    mni_WorkOrder->setVisible(false);
}

void Tfrm_Login::FormCreate(const StartupFiles& files) {
    if (files.settings != nullptr) {
        networkPorts_ = NetPortList(files.settings->ReadString("COM", kNetworkPortsKey, ""));
    }
    RebuildPortList();
    if (cbb_Open_ComName->currentIndex() < 0 && cbb_Open_ComName->count() > 0) {
        cbb_Open_ComName->setCurrentIndex(0);
    }
    RestoreSettings(files);
    ApplyLoginTexts();
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

void Tfrm_Login::RebuildPortList() {
    std::vector<PortInfo> ports = portSource_.list();
    for (const std::string& name : networkPorts_) {
        PortInfo port;
        port.path = name;
        ports.push_back(port);
    }
    cbb_Open_ComName->SetPorts(ports);
}

bool Tfrm_Login::AddNetworkPort(const QString& name) {
    const std::string text = name.trimmed().toStdString();
    if (!ParseNetPortName(text)) {
        OpenError error;
        error.kind = OpenFailure::BadAddress;
        error.path = ToGbk(name);
        ShowOpenError(error);
        return false;
    }
    if (std::find(networkPorts_.begin(), networkPorts_.end(), text) == networkPorts_.end()) {
        networkPorts_.push_back(text);
        if (IniFile* settings = host_.Settings()) {
            settings->WriteString("COM", kNetworkPortsKey, NetPortListText(networkPorts_));
        }
        RebuildPortList();
    }
    cbb_Open_ComName->SetText(QString::fromStdString(text));
    SetStatusNote({});
    return true;
}

void Tfrm_Login::AskForNetworkPort() {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, windowTitle(), Tr(language_, "lang_Login_NetPortPrompt"),
                              QLineEdit::Normal, QStringLiteral("rfc2217://"), &ok);
    if (ok) {
        AddNetworkPort(name);
    }
}

void Tfrm_Login::RestoreSettings(const StartupFiles& files) {
    if (files.isCustom) {
        N2->menuAction()->setVisible(false);
    }
    const IniFile* settings = files.settings.get();
    if (settings == nullptr) {
        return;
    }
    // A stored port that is not present now leaves the first present one
    // selected; with no port at all the stored name is shown.
    const QString storedPort = FromGbk(settings->ReadString("COM", "ComName", ""));
    if (storedPort.isEmpty()) {
        cbb_Open_ComName->setCurrentIndex(FirstStartIndex(*cbb_Open_ComName));
        if (cbb_Open_ComName->count() == 0) {
            cbb_Open_ComName->SetText("COM1");
        }
    } else if (cbb_Open_ComName->FindPort(storedPort) >= 0 || cbb_Open_ComName->count() == 0) {
        cbb_Open_ComName->SetText(storedPort);
    }
    SetComboByText(cbb_Open_BaudRate, settings->ReadString("COM", "BaudRate", "115200"));
    SetComboByText(cbb_Open_Parity, settings->ReadString("COM", "Parity", "NONE"));
    SetComboByText(cbb_Open_Byte, settings->ReadString("COM", "Byte", "8"));
    SetComboByText(cbb_Open_Stop, settings->ReadString("COM", "Stop", "1"));
}

void Tfrm_Login::ShowPortTexts(const PortTexts& texts) {
    cbb_Open_ComName->SetText(FromGbk(texts.port));
    SetComboByText(cbb_Open_BaudRate, texts.baudRate);
    SetComboByText(cbb_Open_Parity, texts.parity);
    SetComboByText(cbb_Open_Byte, texts.dataBits);
    SetComboByText(cbb_Open_Stop, texts.stopBits);
}

void Tfrm_Login::ApplyLoginTexts() {
    setWindowTitle(Tr(language_, "Brantec-GPRS-DTU") + " V" +
                   QString::fromStdString(GetVersionString()));
    btn_Com->setText(Tr(language_, "lang_Command_Open"));
    btn_Find->setText(Tr(language_, finding_ ? "lang_Find_Cancel" : "lang_Command_Find"));
    lbl_PcCom->setText(Tr(language_, "lang_grp_OpenCom"));
    lbl_Open_ComName->setText(Tr(language_, "lang_Lbl_ComName"));
    cbb_Open_ComName->SetAddEntryText(Tr(language_, "lang_Login_AddNetPort"));
    lbl_Open_BaudRate->setText(Tr(language_, "lang_Lbl_ComBaudRate"));
    lbl_Open_Param->setText(Tr(language_, "lang_Lbl_ComParam"));

    N3->setTitle(Tr(language_, "lang_Menu_File"));
    N1->setText(Tr(language_, "lang_Menu_Lang"));
    N2->setTitle(Tr(language_, "lang_Menu_Help"));
    N_SaveComConf->setText(Tr(language_, "lang_Menu_SaveComConf"));
    N_Exit->setText(Tr(language_, "lang_Menu_Exit"));
    N5->setText(Tr(language_, "lang_Menu_About"));
    N6->setText(Tr(language_, "lang_Menu_Update"));
    N7->setText(Tr(language_, "lang_Menu_Web"));
    mni_WorkOrder->setText(Tr(language_, "lang_Menu_WorkOrder"));
}

QString Tfrm_Login::StatusText() const {
    return stat1->text();
}

PortTexts Tfrm_Login::ChosenPortTexts() const {
    return {ToGbk(cbb_Open_ComName->Text()), ToGbk(cbb_Open_BaudRate->currentText()),
            ToGbk(cbb_Open_Parity->currentText()), ToGbk(cbb_Open_Byte->currentText()),
            ToGbk(cbb_Open_Stop->currentText())};
}

void Tfrm_Login::btn_ComClick() {
    DeviceSession& session = host_.Session();
    const PortTexts chosen = ChosenPortTexts();
    // A network port connects in the background; the button waits for it.
    if (HasNetScheme(chosen.port)) {
        SetStatusNote(
            FromGbk(FillTextArgs(language_.GetText("lang_Info_NetConnecting"), {chosen.port})));
    }
    btn_Com->setEnabled(false);
    const QPointer<Tfrm_Login> self(this);
    session.BeginOpenPort(chosen, [self](const OpenError& open) {
        if (self == nullptr) {
            return;
        }
        self->btn_Com->setEnabled(true);
        if (open.Opened()) {
            self->host_.ShowPortOpened();
            self->hide();
            self->SetStatusNote({});
            return;
        }
        self->ShowOpenError(open);
    });
}

void Tfrm_Login::btn_FindClick() {
    DeviceSession& session = host_.Session();
    if (finding_) {
        session.CancelFind();
        return;
    }
    SetFinding(true);
    const QPointer<Tfrm_Login> self(this);
    session.BeginFind(
        ChosenPortTexts(),
        [self](const FindTry& setting, std::size_t index, std::size_t count) {
            if (self != nullptr) {
                self->ShowFindTry(setting, index, count);
            }
        },
        [self](const FindOutcome& outcome) {
            if (self != nullptr) {
                self->FindFinished(outcome);
            }
        });
}

void Tfrm_Login::ShowFindTry(const FindTry& setting, std::size_t index, std::size_t count) {
    std::string line = setting.baudRate + ", " + setting.parity + ", " + setting.dataBits + ", " +
                       setting.stopBits;
    if (setting.escape) {
        line = FillTextArgs(language_.GetText("lang_Info_FindEscape"), {line});
    }
    SetStatusNote(FromGbk(FillTextArgs(language_.GetText("lang_Info_FindTrying"),
                                       {line, std::to_string(index + 1), std::to_string(count)})));
}

void Tfrm_Login::FindFinished(const FindOutcome& outcome) {
    SetFinding(false);
    switch (outcome.end) {
        case FindEnd::Found:
            ShowPortTexts(host_.Session().PortSettings());
            host_.ShowPortOpened();
            hide();
            SetStatusNote({});
            return;
        case FindEnd::NotFound:
            SetStatusNote(FromGbk(FillTextArgs(language_.GetText("lang_Info_FindNone"),
                                               {std::to_string(outcome.tried.size())})));
            return;
        case FindEnd::PortFailed:
            ShowOpenError(outcome.portError);
            return;
        case FindEnd::PortLost:
            SetStatusNote(Tr(language_, "lang_Info_FindLost"));
            return;
        case FindEnd::Cancelled:
            SetStatusNote(Tr(language_, "lang_Info_FindCancelled"));
            return;
    }
}

void Tfrm_Login::SetFinding(bool on) {
    finding_ = on;
    btn_Com->setEnabled(!on);
    grp_OpenCom->setEnabled(!on);
    btn_Find->setText(Tr(language_, on ? "lang_Find_Cancel" : "lang_Command_Find"));
}

void Tfrm_Login::ShowOpenError(const OpenError& error) {
    SetStatusNote(FromGbk(OpenErrorText(error, language_)));
}

void Tfrm_Login::SetStatusNote(const QString& note) {
    stat1->setText(note);
    // The whole reason stays readable: the window grows downwards for a long one.
    const int height = std::max(kStatusHeight, stat1->heightForWidth(kClientWidth));
    client_->setFixedSize(kClientWidth, kClientHeight - kStatusHeight + height);
    stat1->setGeometry(0, kClientHeight - kStatusHeight, kClientWidth, height);
    setFixedSize(kClientWidth, client_->height() + menuBar()->sizeHint().height());
}

void Tfrm_Login::SwitchLanguage() {
    language_.IsChinese = !language_.IsChinese;
    ApplyLoginTexts();
    host_.ApplyTexts();
}

void Tfrm_Login::SaveComConf() {
    host_.OfferReopen();
    host_.Session().KeepForReopen(ChosenPortTexts());
    QMessageBox::information(this, windowTitle(), Tr(language_, "lang_Menu_ManySet"));
}

void Tfrm_Login::cbb_Open_ComNameDropDown() {
    RebuildPortList();
}

void Tfrm_Login::StartWatchingPorts() {
    portWatch_ = std::make_unique<PortWatch>(portSource_.watchedDir);
    if (!portWatch_->Start()) {
        // The list is then read again only when it drops down.
        portWatch_.reset();
        return;
    }
    portNotifier_ = new QSocketNotifier(portWatch_->Fd(), QSocketNotifier::Read, this);
    connect(portNotifier_, &QSocketNotifier::activated, this, [this] {
        if (portWatch_->TakeEvents()) {
            portRefresh_.start();
        }
    });
}

void Tfrm_Login::StopWatchingPorts() {
    delete portNotifier_;
    portNotifier_ = nullptr;
    portWatch_.reset();
    portRefresh_.stop();
}

void Tfrm_Login::showEvent(QShowEvent* event) {
    // Restoring from the task bar is no new appearance.
    if (!event->spontaneous()) {
        if (!centred_) {
            centred_ = true;
            if (const QScreen* screen = this->screen()) {
                move(screen->availableGeometry().center() - rect().center());
            }
        } else {
            // Back from the main window: ports may have come and gone meanwhile,
            // and a write all may have changed the line settings.
            RebuildPortList();
            if (const PortTexts& current = host_.Session().PortSettings(); !current.port.empty()) {
                ShowPortTexts(current);
            }
        }
        StartWatchingPorts();
        // Space and Enter then open the port rather than drop the list down.
        btn_Com->setFocus(Qt::OtherFocusReason);
    }
    QMainWindow::showEvent(event);
}

bool Tfrm_Login::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btn_Com->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tfrm_Login::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) {
        StopWatchingPorts();
    }
    QMainWindow::hideEvent(event);
}

}  // namespace dtu
