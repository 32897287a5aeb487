// Read all through the window's action against the simulated device.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "form_test.h"
#include "mainwindow/info_area.h"
#include "tools/dtusim/pty_device.h"
#include "widgets/lang_qt.h"
#include "window_fixture.h"

class DeviceTest : public QObject {
    Q_OBJECT
private slots:
    void readAllFillsFormFromDevice();
    void verdictStaysInViewWhateverFollows();
    void closingDuringWriteAllAsksFirst_data();
    void closingDuringWriteAllAsksFirst();
};

void DeviceTest::readAllFillsFormFromDevice() {
    dtu::sim::PtyDevice device;
    QVERIFY(device.SetFirmware("3.38"));
    device.Start();
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    QVERIFY(window.Session().OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"}).Opened());
    fixture.find<QPushButton>("btn_ShowMore")->click();  // full view
    // Values the device does not hold, so the read has to replace them.
    fixture.set("edt_HeartbeatTime", "99");
    fixture.set("edt_IP1", "stale");
    fixture.set("chk_NetPort2", "1");
    fixture.set("cbb_Com_Parity", "2");
    fixture.set("lbledtResoc", "77");
    fixture.set("chk_CachEnable", "1");

    fixture.find<QAction>("actAskAll")->trigger();
    const QString success = dtu::Tr(fixture.language(), "lang_Info_ReadSuccess");
    QTRY_VERIFY_WITH_TIMEOUT(window.Info()->toPlainText().contains(success), 20000);

    QCOMPARE(fixture.shown("edt_HeartbeatTime"), QString("50"));
    QCOMPARE(fixture.shown("edt_IP1"), QString("dtu.example.net"));
    QCOMPARE(fixture.shown("chk_NetPort1"), QString("1"));
    QCOMPARE(fixture.shown("chk_NetPort2"), QString("0"));
    QCOMPARE(fixture.shown("edt_IP2"), QString(""));
    QCOMPARE(fixture.shown("cbb_Com_Parity"), QString("NONE"));
    QCOMPARE(fixture.shown("edt_APN_other"), QString("\"CMNET\",\"\",\"\""));
    QCOMPARE(fixture.shown("chk_HeartbeatFormat"), QString("1"));
    QCOMPARE(fixture.shown("edt_HeartbeatFormat"), QString("4C4F47"));
    // Family 2 in work mode 0 appended the cloud, cache and reconnect queries.
    QCOMPARE(fixture.shown("lbledtResoc"), QString("5"));
    QCOMPARE(fixture.shown("chk_CachEnable"), QString("0"));
    QVERIFY(fixture.find("chkCloudEnalbe")->isEnabled());
    QCOMPARE(window.Session().CurrentOperation(), 1);

    // The send box goes out as typed, its line ends as CR LF.
    const std::size_t sent = device.ReceivedLines().size();
    fixture.set("mmo_Send", "AT+CIVER?\n");
    fixture.find<QAction>("actSend")->trigger();
    QCOMPARE(device.WaitForLine(sent, std::chrono::seconds(10)),
             std::optional<std::string>("AT+CIVER?\r\n"));
    QCOMPARE(window.Session().CurrentOperation(), 0);
    window.Session().ClosePort();
    device.Stop();
}

// An echoing device is read like any other; a noisy one's verdict stays in the
// status bar while its noise fills the log.
void DeviceTest::verdictStaysInViewWhateverFollows() {
    using namespace std::chrono_literals;
    struct Row {
        const char* name;
        void (*fault)(dtu::sim::PtyDevice&);
        const char* verdictKey;
        bool red;
    };
    const Row rows[] = {
        {"echo", [](dtu::sim::PtyDevice& d) { d.SetEcho(true); }, "lang_Info_ReadSuccess", false},
        {"noise", [](dtu::sim::PtyDevice& d) { d.SetNoise(50ms); }, "lang_Run_Garbled", true},
    };
    for (const Row& row : rows) {
        dtu::sim::PtyDevice device;
        row.fault(device);
        device.Start();
        WindowFixture fixture;
        dtu::Tfrm_MainLx1& window = fixture.window();
        QVERIFY(
            window.Session().OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"}).Opened());
        window.Session().SetReplyTimeout(400ms);
        fixture.set("edt_HeartbeatTime", "99");
        fixture.find<QAction>("actAskAll")->trigger();
        auto* verdict = fixture.find<QLabel>("stat1_verdict");
        const QString expected =
            dtu::Tr(fixture.language(), row.verdictKey).section('%', 0, 0).simplified();
        QTRY_VERIFY2_WITH_TIMEOUT(verdict->toolTip().startsWith(expected), row.name, 20000);
        QCOMPARE(verdict->styleSheet().contains("red"), row.red);
        QCOMPARE(fixture.shown("edt_HeartbeatTime"), QString(row.red ? "99" : "50"));
        QTest::qWait(200);  // what the device sends after the verdict
        QVERIFY2(verdict->toolTip().startsWith(expected), row.name);
        window.Session().ClosePort();
        device.Stop();
    }
}

void DeviceTest::closingDuringWriteAllAsksFirst_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("closed");
    QTest::newRow("keep writing") << "btn_KeepWriting" << false;
    QTest::newRow("stop and close") << "btn_StopAndClose" << true;
}

// Closing while write all waits for a reply: the question comes first, with
// Keep writing as its default; only Stop and close ends the write and the window.
void DeviceTest::closingDuringWriteAllAsksFirst() {
    QFETCH(QString, button);
    QFETCH(bool, closed);
    dtu::sim::PtyDevice device;
    device.SilentAfter(1);
    device.Start();
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    window.Session().SetReplyTimeout(std::chrono::minutes(1));
    QVERIFY(window.Session().OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"}).Opened());
    window.show();
    fixture.find<QAction>("actSetAll")->trigger();
    // The replies reach the session through this thread's event loop.
    QTRY_VERIFY_WITH_TIMEOUT(device.ReceivedLines().size() >= 2, 10000);
    QVERIFY(window.Session().Running());

    QString defaultButton;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        QCOMPARE(box->objectName(), QString("msg_CloseWhileWriting"));
        defaultButton = box->defaultButton()->objectName();
        box->findChild<QPushButton*>(button)->click();
    });
    QCOMPARE(window.close(), closed);
    QCOMPARE(defaultButton, QString("btn_KeepWriting"));
    QCOMPARE(window.isVisible(), !closed);
    QCOMPARE(window.Session().Running(), !closed);
    QCOMPARE(window.Session().PortIsOpen(), !closed);
    window.Session().ClosePort();
    device.Stop();
}

QObject* NewDeviceTest() {
    return new DeviceTest;
}

#include "device_test.moc"
