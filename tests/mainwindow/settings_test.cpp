// The form's values through the settings file: defaults, save and load.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "form/write_lines.h"
#include "form_test.h"
#include "mainwindow/info_area.h"
#include "mainwindow/log_saving.h"
#include "window_fixture.h"

namespace {

struct KeyCase {
    const char* control;
    const char* byDefault;  // as shown
    const char* changed;    // as set: a combo's item index
    const char* changedShown;
    const char* fileLine;  // the line the save writes for the changed value
};

// Hex boxes before packet texts: ticking a box converts the text it holds.
const KeyCase kKeys[] = {
    {"cbb_Com_BaudRate", "115200", "5", "9600", "BaudRate=5"},
    {"cbb_Com_Parity", "NONE", "2", "EVEN", "Parity=2"},
    {"cbb_Com_Byte", "8", "0", "7", "Byte=0"},
    {"cbb_Com_Stop", "1", "1", "2", "Stop=1"},
    {"chk_NetPort1", "1", "0", "0", "Enable1=0"},
    {"edt_IP1", "dtu.example.net", "a.example", "a.example", "IP1=a.example"},
    {"edt_Port1", "2317", "1", "1", "Port1=1"},
    {"cbb_NetProtocol1", "TCP", "1", "UDP", "Protocol1=1"},
    {"chk_NetPort2", "0", "1", "1", "Enable2=1"},
    {"edt_IP2", "dtu.example.net", "b", "b", "IP2=b"},
    {"edt_Port2", "2317", "2", "2", "Port2=2"},
    {"cbb_NetProtocol2", "TCP", "1", "UDP", "Protocol2=1"},
    {"chk_NetPort3", "0", "1", "1", "Enable3=1"},
    {"edt_IP3", "dtu.example.net", "c", "c", "IP3=c"},
    {"edt_Port3", "2317", "3", "3", "Port3=3"},
    {"cbb_NetProtocol3", "TCP", "1", "UDP", "Protocol3=1"},
    {"chk_NetPort4", "0", "1", "1", "Enable4=1"},
    {"edt_IP4", "dtu.example.net", "", "", "IP4="},
    {"edt_Port4", "2317", "4", "4", "Port4=4"},
    {"cbb_NetProtocol4", "TCP", "1", "UDP", "Protocol4=1"},
    {"edt_HeartbeatTime", "50", "60", "60", "HeartbeatTime=60"},
    {"edt_WaitTime", "10", "20", "20", "WaitTime=20"},
    {"edt_RestartTime", "1800", "900", "900", "RestartTime=900"},
    {"chk_HeartbeatFormat", "0", "1", "1", "HeartbeatFormatHex=1"},
    {"chk_RegFormat", "0", "1", "1", "LoginFormatHex=1"},
    {"edt_HeartbeatFormat", "LOG", "41", "41", "HeartbeatFormat=41"},
    {"edt_RegFormat", "LOGIN:1001", "4243", "4243", "LoginFormat=4243"},
    {"cbb_HeartbeatTo", "向网络发心跳包", "1", "向串口发心跳包", "HeartbeatTo=1"},
    {"cbb_RegMode", "连接即发注册包", "1", "数据携带注册包", "LoginMode=1"},
    {"lbledt_D2D_ID", "100", "7", "7", "D2D ID=7"},
    {"chk_NetAtEnable", "0", "1", "1", "NetAtEnable=1"},
    {"chk_ComAtEnable", "0", "1", "1", "ComAtEnable=1"},
    {"chkCloudEnalbe", "0", "1", "1", "CloudEnable=1"},
    {"chk_CachEnable", "0", "1", "1", "CacheEnable=1"},
    {"lbledtResoc", "5", "9", "9", "Resoc=9"},
    {"edt_IP5", "dtu.example.net", "h5", "h5", "IP=h5"},
    {"edt_Port5", "2317", "80", "80", "Port=80"},
    {"cbbHTPTP", "GET", "1", "POST", "HTPTP=1"},
    {"edtHTPURL", "", "/up", "/up", "HTPURL=/up"},
    {"mmoHTPHD", "", "Host: x\nAccept: */*", "Host: x\nAccept: */*",
     "HTPHD=Host: x\\r\\nAccept: */*"},
    {"edt_TelNo", "10086", "13800", "13800", "TelNo=13800"},
};

// What the save-failure message said.
struct SaveFailureShown {
    QString text;
    QString reason;
};

// Once the save-failure message is up, runs `before` and clicks the button
// named `button`; polls the event loop the message runs.
void AnswerSaveFailure(const char* button, SaveFailureShown* shown,
                       std::function<void()> before = {}) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->objectName() != "msg_SaveFailed") {
            return;
        }
        timer->stop();
        timer->deleteLater();
        shown->text = box->text();
        shown->reason = box->informativeText();
        if (before) {
            before();
        }
        box->findChild<QPushButton*>(button)->click();
    });
    timer->start();
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void missingKeysGiveDefaults();
    void saveThenLoadRestoresEveryKey();
    void apnChoiceFromFile_data();
    void apnChoiceFromFile();
    void storedHexPacketShownUnchanged();
    void customIsNeverWritten();
    void portOfTheRunIsWritten();
    void indexesOutsideTheirListsStartOnDefaults();
    void indexOutsideItsListIsLogged_data();
    void indexOutsideItsListIsLogged();
    void timeStampsAndLogFolderKept();
    void failedSaveIsShownAndStillCloses();
    void retryAfterTheCauseIsGoneSaves();
    void unchangedTextsComeBackByteForByte_data();
    void unchangedTextsComeBackByteForByte();
};

void SettingsTest::missingKeysGiveDefaults() {
    WindowFixture fixture;
    for (const KeyCase& key : kKeys) {
        QCOMPARE(fixture.shown(key.control), QString::fromUtf8(key.byDefault));
    }
    QCOMPARE(fixture.shown("cbb_APN"), QString("移动"));
    QCOMPARE(fixture.window().ApnField()->text(), QString("\"CMNET\",\"\",\"\""));
    QCOMPARE(fixture.shown("chk_D2DEnable"), QString("0"));
}

void SettingsTest::saveThenLoadRestoresEveryKey() {
    WindowFixture fixture;
    for (const KeyCase& key : kKeys) {
        fixture.set(key.control, QString::fromUtf8(key.changed));
    }
    fixture.set("cbb_APN", "1");
    fixture.window().ApnField()->setText("\"UNINET\",\"\",\"\"");
    fixture.reopen();
    const QByteArray file = fixture.settingsFile();
    for (const KeyCase& key : kKeys) {
        QVERIFY2(file.contains("\n" + QByteArray(key.fileLine) + "\n"), key.fileLine);
        QCOMPARE(fixture.shown(key.control), QString::fromUtf8(key.changedShown));
    }
    QVERIFY(file.contains("\nAPN Index=1\n"));
    QVERIFY(file.contains("\nAPN Str=\"UNINET\",\"\",\"\"\n"));
    QCOMPARE(fixture.shown("cbb_APN"), QString("联通"));
    QCOMPARE(ReadForm(fixture.window()).Text(dtu::Field::HttpHeaders),
             std::string("Host: x\r\nAccept: */*"));
}

void SettingsTest::apnChoiceFromFile_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("apn");
    QTest::newRow("other shows the stored text")
        << QByteArray("APN Index=2\nAPN Str=\"3gnet\",\"u\",\"p\"\n") << 2
        << "\"3gnet\",\"u\",\"p\"";
    QTest::newRow("a named network ignores the stored text")
        << QByteArray("APN Index=1\nAPN Str=\"3gnet\",\"u\",\"p\"\n") << 1
        << "\"UNINET\",\"\",\"\"";
    QTest::newRow("out of range is the default")
        << QByteArray("APN Index=7\nAPN Str=x\n") << 0 << "\"CMNET\",\"\",\"\"";
    QTest::newRow("other without text")
        << QByteArray("APN Index=2\n") << 2 << "\"CMNET\",\"\",\"\"";
}

void SettingsTest::apnChoiceFromFile() {
    QFETCH(QByteArray, stored);
    QFETCH(int, item);
    QFETCH(QString, apn);
    WindowFixture fixture(true, "[COMMON]\n" + stored);
    QCOMPARE(fixture.find<QComboBox>("cbb_APN")->currentIndex(), item);
    QCOMPARE(fixture.window().ApnField()->text(), apn);
}

void SettingsTest::storedHexPacketShownUnchanged() {
    WindowFixture fixture(true,
                          "[DTM]\nHeartbeatFormat=4C4F47\nHeartbeatFormatHex=1\n"
                          "LoginFormat=LOGIN:2\nLoginFormatHex=0\nEnable1=0\nEnable2=1\n");
    QCOMPARE(fixture.shown("edt_HeartbeatFormat"), QString("4C4F47"));
    QCOMPARE(fixture.shown("chk_HeartbeatFormat"), QString("1"));
    QCOMPARE(fixture.shown("edt_RegFormat"), QString("LOGIN:2"));
    QCOMPARE(fixture.shown("chk_NetPort1"), QString("0"));
    QCOMPARE(fixture.shown("chk_NetPort2"), QString("1"));
}

void SettingsTest::customIsNeverWritten() {
    WindowFixture plain;
    plain.reopen();
    QVERIFY(!plain.settingsFile().contains("Custom"));
    WindowFixture custom(true, "Custom=1\n");
    QVERIFY(!custom.find<QAction>("N4")->isVisible());
    custom.reopen();
    QCOMPARE(custom.settingsFile().count("Custom"), 1);
}

void SettingsTest::portOfTheRunIsWritten() {
    WindowFixture fixture(true, "[COM]\nComName=/dev/ttyUSB9\n");
    fixture.reopen();
    QVERIFY(fixture.settingsFile().contains("ComName=/dev/ttyUSB9\n"));
    // A port that failed to open is still the one the user chose last.
    fixture.window().Session().OpenPort({"/nonexistent/ttyS1", "9600", "EVEN", "7", "2"});
    fixture.reopen();
    QVERIFY(fixture.settingsFile().contains(
        "[COM]\nComName=/nonexistent/ttyS1\nBaudRate=9600\nParity=EVEN\nByte=7\nStop=2\n"));
}

void SettingsTest::failedSaveIsShownAndStillCloses() {
    WindowFixture fixture;
    const QString path = QDir(fixture.dir()).filePath("Lx1Cfg.ini");
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(fixture.dir()).mkdir("Lx1Cfg.ini"));
    fixture.window().show();
    SaveFailureShown shown;
    AnswerSaveFailure("btn_SaveClose", &shown);
    QVERIFY(fixture.window().close());
    fixture.window().SaveSettingsOnQuit();
    QVERIFY(!fixture.window().isVisible());
    QCOMPARE(shown.text, "Unable to write to " + path);
    QCOMPARE(shown.reason, QString("not a regular file"));
    QVERIFY(QFileInfo(path).isDir());
}

void SettingsTest::retryAfterTheCauseIsGoneSaves() {
    WindowFixture fixture;
    const QString path = QDir(fixture.dir()).filePath("Lx1Cfg.ini");
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(fixture.dir()).mkdir("Lx1Cfg.ini"));
    fixture.set("edt_TelNo", "13900");
    SaveFailureShown shown;
    AnswerSaveFailure("btn_SaveRetry", &shown, [&] { QDir(fixture.dir()).rmdir("Lx1Cfg.ini"); });
    fixture.reopen();
    QVERIFY(!shown.text.isEmpty());
    QVERIFY(fixture.settingsFile().contains("\nTelNo=13900\n"));
    QCOMPARE(fixture.shown("edt_TelNo"), QString("13900"));
}

void SettingsTest::unchangedTextsComeBackByteForByte_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("memo with bytes that are no GBK")
        << QByteArray("[HCM]\nHTPHD=Host: \xD6\xD0\xFF\\r\\nX-\x81\x30: \xA1\x40\xFE");
    QTest::newRow("memo with a lone LF and a lone CR")
        << QByteArray("[HCM]\nHTPHD=a\\nb\\rc\\r\\n");
    QTest::newRow("edit with bytes that are no GBK")
        << QByteArray("[DTM]\nIP1=h\xFF\x80\xAA\xA1.example");
    QTest::newRow("edit longer than it holds") << "[DTM]\nIP2=" + QByteArray(40000, 'x');
    QTest::newRow("other APN") << QByteArray("[COMMON]\nAPN Index=2\nAPN Str=\"\xFF\",\"\",\"\"");
}

// What the window shows and nobody changes is saved exactly as it was read.
void SettingsTest::unchangedTextsComeBackByteForByte() {
    QFETCH(QByteArray, stored);
    WindowFixture fixture(true, stored + "\n");
    fixture.reopen();
    const QByteArray lastLine = stored.mid(stored.lastIndexOf('\n'));
    QVERIFY(fixture.settingsFile().contains(lastLine + "\n"));
}

void SettingsTest::indexesOutsideTheirListsStartOnDefaults() {
    WindowFixture fixture(true,
                          "[COMMON]\nAPN Index=9\nBaudRate=11\nParity=3\nByte=2\nStop=-1\n"
                          "[DTM]\nProtocol1=2\nProtocol2=2\nProtocol3=2\nProtocol4=2\n"
                          "HeartbeatTo=2\nLoginMode=5\n[HCM]\nHTPTP=7\n");
    for (QComboBox* combo : fixture.window().findChildren<QComboBox*>()) {
        QVERIFY2(combo->currentIndex() >= 0, qPrintable(combo->objectName()));
    }
    dtu::OrderList orders;
    dtu::BuildWriteAllOrders(ReadForm(fixture.window()), orders);
    const std::vector<std::string>& lines = orders.Lines();
    const std::vector<std::string> tail(lines.end() - 4, lines.end());
    QCOMPARE(tail, (std::vector<std::string>{"AT+CSTT=\"CMNET\",\"\",\"\"\r\n", "AT+ICF=3,3\r\n",
                                             "AT+CIPR=115200\r\n", "ATW\r\n"}));
}

void SettingsTest::indexOutsideItsListIsLogged_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("note");  // after the file's name
    QTest::newRow("baud rate beyond the list")
        << QByteArray("[COMMON]\nBaudRate=99\n")
        << ", COMMON/BaudRate holds 99, no item of its list; the default 10 (115200) is used "
           "instead";
    QTest::newRow("heartbeat direction not a number")
        << QByteArray("[DTM]\nHeartbeatTo=x\n")
        << ", DTM/HeartbeatTo holds x, no item of its list; the default 0 (ToNetSendHeartbeat) "
           "is used instead";
}

// A value the file does not keep is never replaced in silence.
void SettingsTest::indexOutsideItsListIsLogged() {
    QFETCH(QByteArray, stored);
    QFETCH(QString, note);
    WindowFixture fixture(false, stored);
    const QString log = fixture.window().Info()->toPlainText();
    const QString file = QDir(fixture.dir()).filePath("Lx1Cfg.ini");
    QVERIFY2(log.contains("[Note]: In " + file + note), qPrintable(log));
    QCOMPARE(log.count("no item of its list"), 1);
}

void SettingsTest::timeStampsAndLogFolderKept() {
    WindowFixture fixture;
    dtu::InfoArea* area = fixture.window().Info();
    auto* item = fixture.find<QAction>("mni_TimeStamps");
    QVERIFY(!area->TimeStamps());
    QVERIFY(!item->isChecked());
    item->trigger();
    QVERIFY(area->TimeStamps());
    fixture.window().Log().SaveTo(QDir(fixture.dir()).filePath("log.txt"));
    fixture.reopen();
    const QByteArray file = fixture.settingsFile();
    QVERIFY(file.contains("\nTimeStamps=1\n"));
    QVERIFY(file.contains("\nLogFolder=" + QDir(fixture.dir()).absolutePath().toUtf8() + "\n"));
    QVERIFY(fixture.window().Info()->TimeStamps());
    QVERIFY(fixture.find<QAction>("mni_TimeStamps")->isChecked());
    fixture.find<QAction>("mni_TimeStamps")->trigger();
    fixture.reopen();
    QVERIFY(fixture.settingsFile().contains("\nTimeStamps=0\n"));
    QVERIFY(!fixture.window().Info()->TimeStamps());
}

QObject* NewSettingsTest() {
    return new SettingsTest;
}

#include "settings_test.moc"
