// The compact and full views of the data page, the work-mode pages and the
// controls that follow the firmware family.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "form_test.h"
#include "lang/lang_list.h"
#include "widgets/lang_qt.h"
#include "window_fixture.h"

namespace {

const char* const kFullViewOnly[] = {"chk_NetPort1",     "chk_NetPort4",    "edt_IP2",
                                     "cbb_NetProtocol3", "edt_Port4",       "edt_WaitTime",
                                     "lbl_WaitTime_ms",  "edt_RestartTime", "cbb_HeartbeatTo",
                                     "cbb_RegMode",      "lbledt_D2D_ID",   "lbledt_D2D_ID_label",
                                     "chk_D2DEnable",    "chk_NetAtEnable", "chk_ComAtEnable",
                                     "chkCloudEnalbe",   "chk_CachEnable",  "lbledtCloud",
                                     "lbledtPswd_label", "lbledtResoc",     "lblResocS"};

const char* const kCompactViewOnly[] = {"lbl_ShowLessIP1", "lbl_ShowLessNetProtocol1",
                                        "lbl_ShowLessPort1"};

const char* const kBothViews[] = {"edt_IP1",           "cbb_NetProtocol1", "edt_Port1",
                                  "edt_HeartbeatTime", "edt_RegFormat",    "chk_HeartbeatFormat",
                                  "btn_ShowMore",      "btn_PPPA",         "btn_ENTM"};

}  // namespace

class ViewTest : public QObject {
    Q_OBJECT
private slots:
    void startsInCompactView();
    void fullViewRestoresFormPositions();
    void compactViewUnticksD2D();
    void valuesSurviveViewSwitches();
    void workModeChoosesPage();
    void familyControlsFollowFirmware();
};

void ViewTest::startsInCompactView() {
    WindowFixture fixture;
    QCOMPARE(fixture.window().Session().Form().View(), 1);
    QCOMPARE(fixture.find<QPushButton>("btn_ShowMore")->text(), QString("完整显示 +"));
    QCOMPARE(fixture.find("lbl_ShowLessIP1")->y(), 19);
    QCOMPARE(fixture.find("lbl_ShowLessNetProtocol1")->y(), 74);
    QCOMPARE(fixture.find("lbl_ShowLessPort1")->y(), 129);
    const QRect protocol = fixture.find("cbb_NetProtocol1")->geometry();
    QCOMPARE(QList<int>({protocol.x(), protocol.y(), protocol.width()}),
             QList<int>({117, 74, 134}));
    const QRect port = fixture.find("edt_Port1")->geometry();
    QCOMPARE(QList<int>({port.x(), port.y(), port.width()}), QList<int>({117, 129, 134}));
    QCOMPARE(fixture.find("edt_HeartbeatTime")->y(), 185);
    QCOMPARE(fixture.find("lbl_HeartbeatTime_s")->y(), 185);
    QCOMPARE(fixture.find("chk_HeartbeatFormat")->y(), 240);
    QCOMPARE(fixture.find("lbl_RegFormat")->y(), 296);
    QCOMPARE(fixture.find("edt_RegFormat")->y(), 296);
    for (const char* name : kFullViewOnly) {
        QVERIFY2(fixture.find(name)->isHidden(), name);
    }
    for (const char* name : kCompactViewOnly) {
        QVERIFY2(!fixture.find(name)->isHidden(), name);
    }
    for (const char* name : kBothViews) {
        QVERIFY2(!fixture.find(name)->isHidden(), name);
    }
}

void ViewTest::fullViewRestoresFormPositions() {
    WindowFixture fixture(false);
    auto* showMore = fixture.find<QPushButton>("btn_ShowMore");
    showMore->click();
    QCOMPARE(fixture.window().Session().Form().View(), 0);
    QCOMPARE(showMore->text(), QString("Show Tidily -"));
    // Socket 1 stands as socket 2 does, a row higher: at least as wide as
    // designed, as its texts need.
    const QRect protocol = fixture.find("cbb_NetProtocol1")->geometry();
    const QRect protocol2 = fixture.find("cbb_NetProtocol2")->geometry();
    QCOMPARE(QList<int>({protocol.x(), protocol.y(), protocol.width()}),
             QList<int>({258, 19, protocol2.width()}));
    QVERIFY(protocol.width() >= 51);
    const QRect port = fixture.find("edt_Port1")->geometry();
    const QRect port2 = fixture.find("edt_Port2")->geometry();
    QCOMPARE(QList<int>({port.x(), port.y(), port.width()}), QList<int>({port2.x(), 19, 51}));
    QVERIFY(port.x() >= 317 && port.x() > protocol.right());
    QCOMPARE(fixture.find("edt_HeartbeatTime")->y(), 129);
    QCOMPARE(fixture.find("edt_HeartbeatFormat")->y(), 213);
    QCOMPARE(fixture.find("chk_RegFormat")->y(), 240);
    for (const char* name : kFullViewOnly) {
        QVERIFY2(!fixture.find(name)->isHidden(), name);
    }
    for (const char* name : kCompactViewOnly) {
        QVERIFY2(fixture.find(name)->isHidden(), name);
    }
    showMore->click();
    QCOMPARE(showMore->text(), QString("Show Full +"));
    QCOMPARE(fixture.find("edt_Port1")->y(), 129);
}

void ViewTest::compactViewUnticksD2D() {
    WindowFixture fixture;
    auto* showMore = fixture.find<QPushButton>("btn_ShowMore");
    auto* d2d = fixture.find<QCheckBox>("chk_D2DEnable");
    showMore->click();
    d2d->setChecked(true);
    QVERIFY(fixture.find("lbledt_D2D_ID")->isEnabled());
    QVERIFY(fixture.find("lbledt_D2D_ID_label")->isEnabled());
    QVERIFY(!fixture.find("edt_RegFormat")->isEnabled());
    showMore->click();
    QVERIFY(!d2d->isChecked());
    QVERIFY(!fixture.find("lbledt_D2D_ID")->isEnabled());
    QVERIFY(fixture.find("edt_RegFormat")->isEnabled());
    showMore->click();
    QVERIFY(!d2d->isChecked());
}

void ViewTest::valuesSurviveViewSwitches() {
    WindowFixture fixture;
    auto* showMore = fixture.find<QPushButton>("btn_ShowMore");
    fixture.find<QLineEdit>("edt_IP1")->setText("host.test");
    fixture.find<QLineEdit>("edt_WaitTime")->setText("77");
    fixture.find<QComboBox>("cbb_NetProtocol1")->setCurrentIndex(1);
    fixture.find<QCheckBox>("chk_NetAtEnable")->setChecked(true);
    showMore->click();
    showMore->click();
    showMore->click();
    QCOMPARE(fixture.find<QLineEdit>("edt_IP1")->text(), QString("host.test"));
    QCOMPARE(fixture.find<QLineEdit>("edt_WaitTime")->text(), QString("77"));
    QCOMPARE(fixture.find<QComboBox>("cbb_NetProtocol1")->currentText(), QString("UDP"));
    QVERIFY(fixture.find<QCheckBox>("chk_NetAtEnable")->isChecked());
}

void ViewTest::workModeChoosesPage() {
    WindowFixture fixture;
    auto* workMode = fixture.find<QComboBox>("cbb_WorkMode");
    auto* pages = fixture.find<QStackedWidget>("rzpgcntrl_WorkMode");
    workMode->setCurrentIndex(3);
    QCOMPARE(fixture.window().Session().Form().Item(dtu::Field::WorkMode), 3);
    QCOMPARE(pages->currentWidget()->objectName(), QString("rztbshtTabSheet_HttpdClient"));
    workMode->setCurrentIndex(-1);
    QCOMPARE(fixture.window().Session().Form().Item(dtu::Field::WorkMode), -1);
    QCOMPARE(pages->currentWidget()->objectName(), QString("rztbshtTabSheet_HttpdClient"));
    workMode->setCurrentIndex(4);
    QCOMPARE(pages->currentWidget()->objectName(), QString("rztbshtTabSheet_SmsTran"));
}

void ViewTest::familyControlsFollowFirmware() {
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    auto* cloud = fixture.find<QCheckBox>("chkCloudEnalbe");
    auto* cache = fixture.find<QCheckBox>("chk_CachEnable");
    const char* const followers[] = {"lbledtResoc", "lbledtResoc_label", "lblResocS",
                                     "cbbHTPTP",    "edtHTPURL",         "mmoHTPHD",
                                     "lblHTPTP",    "lblHTPURL",         "lblHTPHD"};
    cloud->setChecked(true);
    cache->setChecked(true);
    QVERIFY(fixture.find("lbledtCloud")->isEnabled());
    QVERIFY(fixture.find("lbledtPswd")->isEnabled());

    window.Session().Form().EnableFamilyControls(false);
    QVERIFY(!cloud->isChecked() && !cloud->isEnabled());
    QVERIFY(!cache->isChecked() && !cache->isEnabled());
    QVERIFY(!fixture.find("lbledtCloud")->isEnabled());
    QVERIFY(!fixture.find("lbledtPswd_label")->isEnabled());
    for (const char* name : followers) {
        QVERIFY2(!fixture.find(name)->isEnabled(), name);
    }
    fixture.find<QPushButton>("btn_ShowMore")->click();
    QVERIFY(!cloud->isEnabled());

    window.Session().Form().EnableFamilyControls(true);
    QVERIFY(cloud->isEnabled() && cache->isEnabled());
    QVERIFY(!cloud->isChecked());
    QVERIFY(!fixture.find("lbledtCloud")->isEnabled());
    for (const char* name : followers) {
        QVERIFY2(fixture.find(name)->isEnabled(), name);
    }
    cloud->setChecked(true);
    window.Session().Form().EnableFamilyControls(true);
    QVERIFY(fixture.find("lbledtPswd")->isEnabled());
}

QObject* NewViewTest() {
    return new ViewTest;
}

#include "view_test.moc"
