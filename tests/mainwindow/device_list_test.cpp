// File > Device List: the strip over the form, its rows and F9 walking the list.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "form_test.h"
#include "mainwindow/info_area.h"
#include "tests/lang/test_support.h"
#include "tools/dtusim/pty_device.h"
#include "window_fixture.h"

namespace {

// Chooses `path` in the list's file dialog as soon as it shows.
void ChooseListWhenShown(const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ChooseListWhenShown(path);
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

void WriteFile(const QString& path, const char* bytes) {
    dtu::testing::WriteBytes(QFile::encodeName(path).toStdString(), bytes);
}

bool IsListed(WindowFixture& fixture, const char* control) {
    return fixture.find(control)->property("listed").toBool();
}

constexpr const char* kThreeRows =
    "DTM/LoginFormat,DTM/IP1\r\n"
    "LOGIN:1001,a.example\r\n"
    "LOGIN:1002,\r\n"
    "LOGIN:1003,c.example\r\n";

}  // namespace

class DeviceListTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void stripShowsTheRowAndMarksWhatItSets_data();
    void stripShowsTheRowAndMarksWhatItSets();
    void aBadListIsRefusedAndTheFormKept();
    void f9WritesRecordsAndLoadsTheNextRow();

private:
    // The user's data folder, where the windows keep the record.
    QTemporaryDir data_;
};

void DeviceListTest::init() {
    qputenv("XDG_DATA_HOME", QFile::encodeName(data_.path()));
    QFile::remove(QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                      .filePath("write-record.csv"));
}

void DeviceListTest::stripShowsTheRowAndMarksWhatItSets_data() {
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("English") << false << "row 1 of 3"
                             << "row 2 of 3";
    QTest::newRow("Chinese") << true << QString::fromUtf8("第 1 行，共 3 行")
                             << QString::fromUtf8("第 2 行，共 3 行");
}

void DeviceListTest::stripShowsTheRowAndMarksWhatItSets() {
    QFETCH(bool, chinese);
    QFETCH(QString, first);
    QFETCH(QString, second);
    WindowFixture fixture(chinese);
    QVERIFY(fixture.window().findChild<QToolBar*>("tb_DeviceList") == nullptr);
    fixture.set("edt_IP1", "base.example");
    const QString list = QDir(fixture.dir()).filePath("fleet.csv");
    WriteFile(list, kThreeRows);
    ChooseListWhenShown(list);
    fixture.find<QAction>("mni_DeviceList")->trigger();

    QTRY_VERIFY(!fixture.find<QToolBar>("tb_DeviceList")->isHidden());
    QCOMPARE(fixture.find<QLabel>("lbl_ListName")->text(), QString("fleet.csv"));
    QCOMPARE(fixture.find<QLabel>("lbl_ListRow")->text(), first);
    QCOMPARE(fixture.find<QLabel>("lbl_ListKey")->text(), QString("LOGIN:1001"));
    QCOMPARE(fixture.shown("edt_RegFormat"), QString("LOGIN:1001"));
    QCOMPARE(fixture.shown("edt_IP1"), QString("a.example"));
    QVERIFY(IsListed(fixture, "edt_RegFormat"));
    QVERIFY(IsListed(fixture, "edt_IP1"));
    QVERIFY(!IsListed(fixture, "edt_HeartbeatTime"));
    QVERIFY(!fixture.find<QToolButton>("btn_ListBack")->isEnabled());

    // An empty cell keeps the base's value, and its field is not marked.
    fixture.find<QToolButton>("btn_ListNext")->click();
    QCOMPARE(fixture.find<QLabel>("lbl_ListRow")->text(), second);
    QCOMPARE(fixture.shown("edt_RegFormat"), QString("LOGIN:1002"));
    QCOMPARE(fixture.shown("edt_IP1"), QString("base.example"));
    QVERIFY(!IsListed(fixture, "edt_IP1"));
    fixture.find<QToolButton>("btn_ListBack")->click();
    QCOMPARE(fixture.find<QLabel>("lbl_ListRow")->text(), first);

    // Closing the list keeps the form as it shows.
    fixture.find<QToolButton>("btn_ListClose")->click();
    QVERIFY(fixture.find<QToolBar>("tb_DeviceList")->isHidden());
    QCOMPARE(fixture.shown("edt_RegFormat"), QString("LOGIN:1001"));
    QVERIFY(!IsListed(fixture, "edt_RegFormat"));
}

void DeviceListTest::aBadListIsRefusedAndTheFormKept() {
    WindowFixture fixture(false);
    fixture.set("edt_IP1", "base.example");
    const QString list = QDir(fixture.dir()).filePath("bad.csv");
    WriteFile(list, "DTM/LoginFormat,DTM/Port1\nLOGIN:1,2317\nLOGIN:2,99999\n");
    ChooseListWhenShown(list);
    fixture.find<QAction>("mni_DeviceList")->trigger();
    QTRY_VERIFY(fixture.window().Info()->toPlainText().contains(
        "[Error]: Device list " + list + ", line 3, column 2: DTM/Port1=99999 is not accepted"));
    QVERIFY(fixture.find<QToolBar>("tb_DeviceList")->isHidden());
    QCOMPARE(fixture.shown("edt_IP1"), QString("base.example"));
}

void DeviceListTest::f9WritesRecordsAndLoadsTheNextRow() {
    dtu::sim::PtyDevice device;
    QVERIFY(device.SetFirmware("3.38"));
    device.Start();
    WindowFixture fixture(false);
    dtu::Tfrm_MainLx1& window = fixture.window();
    QVERIFY(window.Session().OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"}).Opened());
    const QString list = QDir(fixture.dir()).filePath("fleet.csv");
    WriteFile(list, kThreeRows);
    ChooseListWhenShown(list);
    fixture.find<QAction>("mni_DeviceList")->trigger();
    QTRY_COMPARE(fixture.find<QLabel>("lbl_ListRow")->text(), QString("row 1 of 3"));

    fixture.find<QAction>("actSetAll")->trigger();  // F9
    QTRY_COMPARE_WITH_TIMEOUT(fixture.find<QLabel>("lbl_ListRow")->text(), QString("row 2 of 3"),
                              20000);
    QCOMPARE(QString::fromStdString(device.Saved().packets[1].hex),
             QString("4C4F47494E3A31303031"));  // LOGIN:1001
    QCOMPARE(fixture.shown("edt_RegFormat"), QString("LOGIN:1002"));
    const QString record = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                               .filePath("write-record.csv");
    const std::string lines = dtu::testing::ReadBytes(QFile::encodeName(record).toStdString());
    QVERIFY2(lines.find(",1,success,not asked,DTM/LoginFormat=LOGIN:1001; DTM/IP1=a.example\n") !=
                 std::string::npos,
             lines.c_str());
    QVERIFY(window.Info()->toPlainText().contains("[Note]: Recorded in " + record));
    QVERIFY(fixture.find<QLabel>("lbl_ListRecord")->text().contains(record));

    // Opened again, the list resumes after the rows done.
    fixture.find<QToolButton>("btn_ListClose")->click();
    ChooseListWhenShown(list);
    fixture.find<QAction>("mni_DeviceList")->trigger();
    QTRY_COMPARE(fixture.find<QLabel>("lbl_ListRow")->text(), QString("row 2 of 3"));
}

QObject* NewDeviceListTest() {
    return new DeviceListTest;
}

#include "device_list_test.moc"
