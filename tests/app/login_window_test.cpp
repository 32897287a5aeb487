#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "app/about_window.h"
#include "app/login_window.h"
#include "app/port_combo_box.h"
#include "app/startup.h"
#include "lang/lang_list.h"
#include "mainwindow/main_window.h"
#include "render/open_error_text.h"
#include "serial/port_control.h"
#include "settings/ini_file.h"
#include "test_support.h"
#include "widgets/lang_qt.h"

using namespace dtu;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QAction* MainAction(Tfrm_MainLx1& main, const char* name) {
    return main.findChild<QAction*>(name);
}

// A TCP port on 127.0.0.1 that nothing listens on.
std::uint16_t FreeLoopbackPort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(fd);
    return ntohs(address.sin_port);
}

std::vector<PortInfo> Ports(const QStringList& paths) {
    std::vector<PortInfo> ports;
    for (const QString& path : paths) {
        PortInfo port;
        port.path = path.toStdString();
        ports.push_back(port);
    }
    return ports;
}

}  // namespace

class LoginWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<test::ConfigFolder>(); }
    void cleanup() {
        windows_.reset();
        folder_.reset();
        qunsetenv("DTUCONFIG_EXTRA_PORTS");
    }

    void layoutMatchesTheForm() {
        Tfrm_Login& login = Start();
        QCOMPARE(login.centralWidget()->size(), QSize(431, 315));
        QCOMPARE(login.lbl_PcCom->geometry(), QRect(88, 14, 257, 29));
        QCOMPARE(login.lbl_PcCom->font().pixelSize(), 24);
        QCOMPARE(login.grp_OpenCom->geometry(), QRect(66, 52, 305, 177));
        QCOMPARE(login.cbb_Open_ComName->geometry(), QRect(148, 37, 125, 20));
        QCOMPARE(login.cbb_Open_Stop->geometry(), QRect(241, 125, 33, 20));
        QCOMPARE(login.btn_Com->geometry(), QRect(101, 242, 236, 34));
        QVERIFY(login.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(login.minimumSize(), login.maximumSize());
        QCOMPARE(login.N_SaveComConf->toolTip(), QString::fromUtf8("用于批量设置"));
        QVERIFY(!login.N6->isVisible() && !login.N7->isVisible() &&
                !login.mni_WorkOrder->isVisible());
    }

    void restoresStoredChoices_data() {
        QTest::addColumn<QByteArray>("com");
        QTest::addColumn<QStringList>("boxTexts");
        QTest::newRow("defaults") << QByteArray()
                                  << QStringList{"COM1", "115200", "NONE", "8", "1"};
        QTest::newRow("seven data bits")
            << QByteArray("Byte=7\nStop=2\n") << QStringList{"COM1", "115200", "NONE", "7", "2"};
        QTest::newRow("case ignored") << QByteArray("Parity=even\nBaudRate=9600\n")
                                      << QStringList{"COM1", "9600", "EVEN", "8", "1"};
        QTest::newRow("unknown values leave boxes empty")
            << QByteArray("BaudRate=12345\nByte=9\nComName=/dev/ttyNOWHERE\n")
            << QStringList{"/dev/ttyNOWHERE", "", "NONE", "", "1"};
    }
    void restoresStoredChoices() {
        QFETCH(QByteArray, com);
        QFETCH(QStringList, boxTexts);
        folder_->WriteSettings("[COM]\n" + com);
        Tfrm_Login& login = Start();
        const PortTexts chosen = login.ChosenPortTexts();
        QStringList shown;
        for (const std::string& text :
             {chosen.port, chosen.baudRate, chosen.parity, chosen.dataBits, chosen.stopBits}) {
            shown << QString::fromStdString(text);
        }
        // A stored port that is not present gives way to the first present one.
        const std::vector<std::string> present = ListSerialPorts();
        if (!present.empty()) {
            boxTexts[0] = QString::fromStdString(present.front());
        }
        QCOMPARE(shown, boxTexts);
        QCOMPARE(login.cbb_Open_BaudRate->currentIndex() < 0, boxTexts[1].isEmpty());
    }

    void firstStartChoosesThePortsNamedForTheRun_data() {
        QTest::addColumn<QByteArray>("extra");  // files of the settings folder; "gone*": absent
        QTest::addColumn<QByteArray>("com");
        QTest::addColumn<QString>("chosen");  // empty: the first port present, else COM1
        QTest::newRow("first named port on a first start")
            << QByteArray("ttyX8:ttyX9") << QByteArray() << "ttyX8";
        QTest::newRow("empty names skipped") << QByteArray("::ttyX9") << QByteArray() << "ttyX9";
        QTest::newRow("a named port that is not there is not listed")
            << QByteArray("goneX7:ttyX9") << QByteArray() << "ttyX9";
        QTest::newRow("a stored port wins")
            << QByteArray("ttyX8:ttyX9") << QByteArray("ComName=ttyX9\n") << "ttyX9";
        QTest::newRow("a stored port that is gone: the first listed")
            << QByteArray("goneX8") << QByteArray("ComName=/dev/ttyGONE\n") << QString();
        QTest::newRow("no named port") << QByteArray() << QByteArray() << QString();
    }
    void firstStartChoosesThePortsNamedForTheRun() {
        QFETCH(QByteArray, extra);
        QFETCH(QByteArray, com);
        QFETCH(QString, chosen);
        QStringList paths;
        for (const QByteArray& name : extra.split(':')) {
            const QString path = name.isEmpty() ? QString() : folder_->FilePath(name);
            if (!name.isEmpty() && !name.startsWith("gone")) {
                QFile(path).open(QIODevice::WriteOnly);
            }
            paths << path;
        }
        qputenv("DTUCONFIG_EXTRA_PORTS", paths.join(':').toLocal8Bit());
        com.replace("ttyX9", folder_->FilePath("ttyX9").toLocal8Bit());
        folder_->WriteSettings("[COM]\n" + com);
        if (chosen.isEmpty()) {
            chosen = "COM1";
            for (const std::string& port : ListSerialPorts()) {
                if (QFile::exists(QString::fromStdString(port))) {
                    chosen = QString::fromStdString(port);
                    break;
                }
            }
        } else {
            chosen = folder_->FilePath(chosen);
        }
        Tfrm_Login& login = Start();
        QCOMPARE(login.cbb_Open_ComName->Text(), chosen);
    }

    // A network port's name keeps its colons in the list of ports for the run.
    void firstStartChoosesANetworkPortNamedFirst() {
        const QString path = folder_->FilePath("ttyX8");
        QFile(path).open(QIODevice::WriteOnly);
        const QString network = "rfc2217://127.0.0.1:4001";
        qputenv("DTUCONFIG_EXTRA_PORTS", (network + ":" + path).toLocal8Bit());
        Tfrm_Login& login = Start();
        QCOMPARE(login.cbb_Open_ComName->Text(), network);
    }

    void enterOnAClosedBoxOpens() {
        Tfrm_Login& login = Start();
        login.show();
        QSignalSpy clicks(login.btn_Com, &QPushButton::clicked);
        const QList<QComboBox*> boxes{login.cbb_Open_ComName, login.cbb_Open_BaudRate,
                                      login.cbb_Open_Parity, login.cbb_Open_Byte,
                                      login.cbb_Open_Stop};
        for (QComboBox* box : boxes) {
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
        }
        QCOMPARE(clicks.count(), boxes.size());
        // Other keys still choose.
        login.cbb_Open_Parity->setCurrentIndex(0);
        QTest::keyClick(login.cbb_Open_Parity, Qt::Key_Down);
        QCOMPARE(login.cbb_Open_Parity->currentText(), QString("ODD"));
    }

    void failedOpenShowsNote() {
        folder_->WriteSettings("[COM]\nComName=/dev/ttyNOWHERE\nBaudRate=12345\n");
        Tfrm_Login& login = Start();
        login.show();
        login.btn_Com->click();
        // The empty baud box is the reason, whichever port was chosen.
        QVERIFY(login.StatusText().endsWith("invalid baud rate \"\""));
        QVERIFY(login.isVisible());
        QVERIFY(!windows_->main->isVisible());
    }

    void openedPortHandsOverToMainWindow() {
        test::FakePort port;
        QVERIFY(!port.Path().isEmpty());
        qputenv("DTUCONFIG_EXTRA_PORTS", port.Path().toLocal8Bit());
        folder_->WriteSettings("[COM]\nComName=" + port.Path().toLocal8Bit() + "\n");
        Tfrm_Login& login = Start();
        login.show();
        login.btn_Com->click();
        QVERIFY2(windows_->main->isVisible(), qPrintable(login.StatusText()));
        QVERIFY(!login.isVisible());
        QCOMPARE(login.StatusText(), QString());
        QCOMPARE(QString::fromStdString(windows_->main->Session().PortSettings().port),
                 port.Path());
        windows_->main->Session().ClosePort();
    }

    void dropDownNeverChangesTheChoice_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("shown");
        const QString a = "/dev/ttyS0", b = "/dev/ttyUSB0", c = "/dev/ttyUSB1";
        QTest::newRow("kept while listed") << QStringList{a, b} << b << QStringList{a, b} << 1 << b;
        QTest::newRow("kept when the order changes")
            << QStringList{a, b} << b << QStringList{c, a, b} << 2 << b;
        QTest::newRow("first entry kept") << QStringList{a, b} << a << QStringList{a, b} << 0 << a;
        QTest::newRow("gone: no selection")
            << QStringList{a, b} << b << QStringList{a, c} << -1 << b;
        QTest::newRow("empty list") << QStringList{a, b} << a << QStringList{} << -1 << a;
    }
    void dropDownNeverChangesTheChoice() {
        QFETCH(QStringList, before);
        QFETCH(QString, chosen);
        QFETCH(QStringList, after);
        QFETCH(int, index);
        QFETCH(QString, shown);
        Tfrm_Login& login = Start();
        std::vector<PortInfo> ports = Ports(before);
        login.SetPortSource({[&ports] { return ports; }, folder_->Path().toStdString()});
        PortComboBox* box = login.cbb_Open_ComName;
        box->setCurrentIndex(box->findText(chosen));
        ports = Ports(after);
        box->showPopup();
        box->hidePopup();
        QCOMPARE(box->currentIndex(), index);
        QCOMPARE(box->Text(), shown);
    }

    void portComingBackIsChosenAgain() {
        Tfrm_Login& login = Start();
        std::vector<PortInfo> ports = Ports({"/dev/ttyS0", "/dev/ttyUSB0"});
        ports[1].byId = "/dev/serial/by-id/usb-FTDI_A9X1-if00-port0";
        login.SetPortSource({[&ports] { return ports; }, folder_->Path().toStdString()});
        PortComboBox* box = login.cbb_Open_ComName;
        box->setCurrentIndex(1);
        // Plugged again while another adapter held its number.
        std::vector<PortInfo> replugged = Ports({"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB1"});
        replugged[2].byId = ports[1].byId;
        ports = replugged;
        box->showPopup();
        box->hidePopup();
        QCOMPARE(box->Text(), QString("/dev/ttyUSB1"));
    }

    void portListShowsDescriptions() {
        Tfrm_Login& login = Start();
        std::vector<PortInfo> ports = Ports({"/dev/ttyS0", "/dev/ttyUSB0"});
        ports[1].manufacturer = "FTDI";
        ports[1].product = "FT232R USB UART";
        ports[1].serial = "A9X1B2C3";
        login.SetPortSource({[&ports] { return ports; }, folder_->Path().toStdString()});
        PortComboBox* box = login.cbb_Open_ComName;
        box->setCurrentIndex(1);
        QCOMPARE(box->toolTip(), QString("FTDI FT232R USB UART (A9X1B2C3)"));
        QCOMPARE(box->currentText(), QString("/dev/ttyUSB0"));
        // The open list is wide enough for path and description side by side.
        const QFontMetrics metrics(box->view()->font());
        box->showPopup();
        QVERIFY(box->view()->width() >
                metrics.horizontalAdvance("/dev/ttyUSB0 FTDI FT232R USB UART (A9X1B2C3)"));
        box->hidePopup();
        box->setCurrentIndex(0);
        QCOMPARE(box->toolTip(), QString());
    }

    void portListFollowsHotPlugWhileShown() {
        Tfrm_Login& login = Start();
        std::vector<PortInfo> ports = Ports({"/dev/ttyS0"});
        login.SetPortSource({[&ports] { return ports; }, folder_->Path().toStdString()});
        login.show();
        ports = Ports({"/dev/ttyS0", "/dev/ttyUSB0"});
        QFile node(folder_->FilePath("ttyUSB0"));
        QVERIFY(node.open(QIODevice::WriteOnly));
        node.close();
        // The ports, then the entry that adds a network port.
        QTRY_COMPARE(login.cbb_Open_ComName->count(), 3);
        QCOMPARE(login.cbb_Open_ComName->currentIndex(), 0);
        ports = Ports({"/dev/ttyUSB0"});
        QVERIFY(node.remove());
        QTRY_COMPARE(login.cbb_Open_ComName->count(), 2);
        QCOMPARE(login.cbb_Open_ComName->currentIndex(), -1);
        QCOMPARE(login.cbb_Open_ComName->Text(), QString("/dev/ttyS0"));
    }

    void networkPortsAreAddedListedAndRemembered_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("rfc2217") << "rfc2217://10.0.0.5:2001" << true;
        QTest::newRow("raw tcp, IPv6") << " socket://[::1]:4001 " << true;
        QTest::newRow("listed already") << "socket://cabinet-7:2000" << true;
        QTest::newRow("no port number") << "rfc2217://10.0.0.5" << false;
        QTest::newRow("a device path") << "/dev/ttyS0" << false;
    }
    void networkPortsAreAddedListedAndRemembered() {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        folder_->WriteSettings("[COM]\nNetPorts=socket://cabinet-7:2000,bad\n");
        Tfrm_Login& login = Start();
        login.SetPortSource({[] { return Ports({"/dev/ttyS0"}); }, folder_->Path().toStdString()});
        PortComboBox* box = login.cbb_Open_ComName;
        QCOMPARE(box->itemText(1), QString("socket://cabinet-7:2000"));
        const int before = box->count();
        box->setCurrentIndex(0);

        QCOMPARE(login.AddNetworkPort(name), accepted);
        const bool added = accepted && name.trimmed() != "socket://cabinet-7:2000";
        QCOMPARE(box->count(), before + (added ? 1 : 0));
        QCOMPARE(box->Text(), accepted ? name.trimmed() : QString("/dev/ttyS0"));
        QCOMPARE(login.StatusText().isEmpty(), accepted);
        QCOMPARE(box->itemText(box->count() - 1), Tr(windows_->language, "lang_Login_AddNetPort"));
        const std::string stored = windows_->main->Settings()->ReadString("COM", "NetPorts", "");
        QCOMPARE(QString::fromStdString(stored), added ? "socket://cabinet-7:2000," + name.trimmed()
                                                       : QString("socket://cabinet-7:2000,bad"));
    }

    void choosingTheAddEntryAsksAndKeepsThePortShown() {
        Tfrm_Login& login = Start();
        login.SetPortSource({[] {
                                 return Ports({"/dev/ttyS0", "/dev/ttyS1"});
                             },
                             folder_->Path().toStdString()});
        PortComboBox* box = login.cbb_Open_ComName;
        box->setCurrentIndex(1);
        QSignalSpy asked(box, &PortComboBox::addRequested);
        QString dialogText;
        test::OnNextModal([&dialogText](const QString& text) { dialogText = text; });
        box->setCurrentIndex(box->count() - 1);
        emit box->activated(box->count() - 1);
        QCOMPARE(asked.count(), 1);
        QVERIFY(!dialogText.isEmpty());  // the question was put; closing it added nothing
        QCOMPARE(box->Text(), QString("/dev/ttyS1"));
        QCOMPARE(box->count(), 3);
    }

    void networkOpenWaitsWithoutBlockingAndSaysWhyItFailed() {
        Tfrm_Login& login = Start();
        const QString name = "rfc2217://127.0.0.1:" + QString::number(FreeLoopbackPort());
        QVERIFY(login.AddNetworkPort(name));
        login.show();
        login.btn_Com->click();
        QVERIFY(!login.btn_Com->isEnabled());
        QCOMPARE(login.StatusText(),
                 FromGbk(FillTextArgs(windows_->language.GetText("lang_Info_NetConnecting"),
                                      {name.toStdString()})));
        QTRY_VERIFY(login.btn_Com->isEnabled());
        OpenError refused;
        refused.kind = OpenFailure::Refused;
        refused.path = name.toStdString();
        QCOMPARE(login.StatusText(), FromGbk(OpenErrorText(refused, windows_->language)));
        QVERIFY(login.isVisible());
    }

    void openButtonHasTheFocusAndTakesEnterAndSpace() {
        Tfrm_Login& login = Start();
        login.show();
        QCOMPARE(login.focusWidget(), login.btn_Com);
        QSignalSpy clicks(login.btn_Com, &QPushButton::clicked);
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(login.btn_Com, key);
        }
        QCOMPARE(clicks.count(), 3);
    }

    void shownAgainShowsTheCurrentLineSettings() {
        test::FakePort port;
        qputenv("DTUCONFIG_EXTRA_PORTS", port.Path().toLocal8Bit());
        folder_->WriteSettings("[COM]\nComName=" + port.Path().toLocal8Bit() + "\n");
        Tfrm_Login& login = Start();
        login.show();
        login.btn_Com->click();
        Tfrm_MainLx1& main = *windows_->main;
        QVERIFY(main.isVisible());
        // A write all moved the device, and the PC port with it, to other settings.
        QVERIFY(main.Session()
                    .OpenPort({port.Path().toStdString(), "9600", "EVEN", "8", "2"})
                    .Opened());
        MainAction(main, "N14")->trigger();
        QVERIFY(login.isVisible());
        const PortTexts expected{port.Path().toStdString(), "9600", "EVEN", "8", "2"};
        QCOMPARE(login.ChosenPortTexts(), expected);
        QCOMPARE(login.focusWidget(), login.btn_Com);
    }

    void longOpenErrorNoteMakesTheWindowTaller() {
        Tfrm_Login& login = Start();
        login.show();
        const int height = login.height();
        OpenError permission;
        permission.kind = OpenFailure::Permission;
        permission.path = "/dev/serial/by-id/usb-Silicon_Labs_CP2102_USB_to_UART_0001-if00-port0";
        permission.group = "dialout";
        login.ShowOpenError(permission);
        QCOMPARE(login.StatusText(), FromGbk(OpenErrorText(permission, windows_->language)));
        QVERIFY(login.height() > height);
        QVERIFY(login.stat1->height() >= login.stat1->heightForWidth(login.stat1->width()));
        QCOMPARE(login.stat1->geometry().bottom(), login.centralWidget()->height() - 1);
        login.ShowOpenError({});
        QCOMPARE(login.height(), height);
    }

    void customHidesHelp() {
        folder_->WriteSettings("[SYS]\nCustom=1\n");
        Tfrm_Login& login = Start();
        QVERIFY(!login.N2->menuAction()->isVisible());
        QVERIFY(login.N3->menuAction()->isVisible());
        QVERIFY(login.N1->isVisible());
    }

    void helpShownByDefault() {
        Tfrm_Login& login = Start();
        QVERIFY(login.N2->menuAction()->isVisible());
    }

    // The main window's language switch re-texts the port window at once.
    void mainWindowLanguageSwitchRetextsPortWindow() {
        folder_->WriteSettings("[SYS]\nLang=1\n");
        Tfrm_Login& login = Start();
        MainAction(*windows_->main, "N3")->trigger();
        QCOMPARE(login.btn_Com->text(), QString("Open COM"));
        QCOMPARE(login.N1->text(), QString("Chinese(&L)"));
    }

    // A network port has no description: its whole name is the tooltip.
    void networkPortNameIsWholeInTheTooltip() {
        Tfrm_Login& login = Start();
        QVERIFY(login.AddNetworkPort("rfc2217://192.168.100.200:4001"));
        QCOMPARE(login.cbb_Open_ComName->toolTip(), QString("rfc2217://192.168.100.200:4001"));
    }

    void saveComConfigKeepsTheFiveTexts() {
        const QString port = folder_->FilePath("ttyX9");
        QFile(port).open(QIODevice::WriteOnly);
        qputenv("DTUCONFIG_EXTRA_PORTS", port.toLocal8Bit());
        folder_->WriteSettings("[COM]\nComName=" + port.toLocal8Bit() +
                               "\nBaudRate=4800\nParity=ODD\n");
        Tfrm_Login& login = Start();
        QAction* reopen = MainAction(*windows_->main, "N7");
        QVERIFY(reopen != nullptr);
        QVERIFY(!reopen->isVisible());
        const QByteArray before = ReadFile(folder_->FilePath("Lx1Cfg.ini"));
        QString message;
        test::OnNextModal([&message](const QString& text) { message = text; });
        login.N_SaveComConf->trigger();
        QCOMPARE(message, Tr(windows_->language, "lang_Menu_ManySet"));
        const PortTexts expected{port.toStdString(), "4800", "ODD", "8", "1"};
        QCOMPARE(windows_->main->Session().KeptForReopen(), expected);
        QVERIFY(reopen->isVisible());
        // Kept in memory only: the settings file is not touched.
        QCOMPARE(ReadFile(folder_->FilePath("Lx1Cfg.ini")), before);
    }

    void languageSwitchRetextsPortAndMainWindows() {
        folder_->WriteSettings("[SYS]\nLang=1\n");
        Tfrm_Login& login = Start();
        Tfrm_MainLx1& main = *windows_->main;
        QVERIFY(windows_->language.IsChinese);
        QCOMPARE(login.btn_Com->text(), QString::fromUtf8("打开串口"));
        QCOMPARE(login.N1->text(), QString("English(&L)"));
        auto* read = main.findChild<QPushButton*>("btn_Read");
        QVERIFY(read != nullptr);
        QCOMPARE(read->text(), QString::fromUtf8("读取设备配置"));

        login.N1->trigger();
        QVERIFY(!windows_->language.IsChinese);
        QCOMPARE(login.btn_Com->text(), QString("Open COM"));
        QCOMPARE(login.N1->text(), QString("Chinese(&L)"));
        QCOMPARE(login.N3->title(), QString("File(&F)"));
        QCOMPARE(read->text(), QString("Read Dev Config"));
        QVERIFY(login.windowTitle().startsWith("Brantec-GPRS-DTU V"));

        // The About window picks the new language up when it is next shown.
        windows_->About().show();
        QCOMPARE(windows_->About().lbl_About_version->text(), QString("Version:"));
        windows_->About().close();
    }

    void damagedLanguageFileStillGivesUsableWindows() {
        QByteArray file = ";header\r\n;header\r\n \r\n";
        // Extra fields: the Chinese text is the second field, the English the last.
        file += "lang_Command_Open|\xB4\xF2\xBF\xAA|Open|dropped|Opened\r\n";
        // Bytes that are no GBK.
        file += "lang_Lbl_ComName|\xFF\x81\xFF|Port\xFF\xFE\r\n";
        // A line far longer than any text is skipped: the built-in text stands.
        file += "lang_Lbl_ComBaudRate|" + QByteArray(2 * 1024 * 1024, 'x') + "|Speed\r\n";
        file += "no separator at all\r\n|||\r\n";
        QFile lang(folder_->FilePath("Lx1Lang.txt"));
        QVERIFY(lang.open(QIODevice::WriteOnly));
        lang.write(file);
        lang.close();
        folder_->WriteSettings("[SYS]\nLang=0\n");

        Tfrm_Login& login = Start();
        login.show();
        QCOMPARE(login.btn_Com->text(), QString("Opened"));
        QCOMPARE(login.lbl_Open_BaudRate->text(), QString("Baud Rate"));
        QVERIFY(login.lbl_Open_ComName->text().startsWith("Port"));
        // Rows missing from the file come from the built-in table.
        QCOMPARE(login.lbl_PcCom->text(), QString("Open COM Port"));
        QCOMPARE(login.N5->text(), QString("About..."));
        login.N1->trigger();
        QCOMPARE(login.btn_Com->text(), QString::fromUtf8("打开"));
        QVERIFY(!login.lbl_Open_ComName->text().isEmpty());
        QCOMPARE(login.lbl_PcCom->text(), QString::fromUtf8("打开串口"));
    }

private:
    Tfrm_Login& Start() {
        windows_ = CreateAppWindows();
        return *windows_->login;
    }

    std::unique_ptr<test::ConfigFolder> folder_;
    std::unique_ptr<AppWindows> windows_;
};

QTEST_MAIN(LoginWindowTest)
#include "login_window_test.moc"
