// Device replies into the form, and the form back out as write-all lines.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "form/write_lines.h"
#include "form_test.h"
#include "protocol/order_list.h"
#include "tests/protocol/worked_example.h"
#include "window_fixture.h"

namespace {

void ShowTheFullView(WindowFixture& fixture) {
    if (fixture.window().Session().Form().View() != 0) {
        fixture.find<QPushButton>("btn_ShowMore")->click();
    }
}

}  // namespace

class DispatchTest : public QObject {
    Q_OBJECT
private slots:
    void repliesFillControls_data();
    void repliesFillControls();
    void socketOneWaitsForWorkMode();
    void cloudReplyFollowsCaseAndEnablesFields();
    void packetReadBackTicksHexBox();
    void unusableRepliesChangeNothing_data();
    void unusableRepliesChangeNothing();
    void formGivesWorkedExampleLines();
};

void DispatchTest::repliesFillControls_data() {
    QTest::addColumn<QStringList>("replies");   // name=value pairs
    QTest::addColumn<QStringList>("expected");  // control=shown pairs
    QTest::newRow("CSTT cmnet is the first APN")
        << QStringList{"CSTT=cmnet,,"}
        << QStringList{"cbb_APN=移动", "edt_APN_other=\"cmnet\",\"\",\"\""};
    QTest::newRow("CSTT Cmnet is another APN")
        << QStringList{"CSTT=Cmnet,user,pw"}
        << QStringList{"cbb_APN=其他", "edt_APN_other=\"Cmnet\",\"user\",\"pw\""};
    QTest::newRow("CSTT uninet") << QStringList{"CSTT=uninet,,"} << QStringList{"cbb_APN=联通"};
    QTest::newRow("ICF 3,3 after 5,0")
        << QStringList{"ICF=5,0", "ICF=3,3"}
        << QStringList{"cbb_Com_Byte=8", "cbb_Com_Stop=1", "cbb_Com_Parity=NONE"};
    QTest::newRow("ICF codes in neither table")
        << QStringList{"ICF=4,1", "ICF=2,2"}
        << QStringList{"cbb_Com_Byte=7", "cbb_Com_Stop=2", "cbb_Com_Parity=EVEN"};
    QTest::newRow("baud rate by text")
        << QStringList{"CIPR=9600"} << QStringList{"cbb_Com_BaudRate=9600"};
    QTest::newRow("unknown baud rate")
        << QStringList{"CIPR=1234"} << QStringList{"cbb_Com_BaudRate=<none>"};
    QTest::newRow("timing") << QStringList{"CIPCFG=1,60,0,20,0,900"}
                            << QStringList{"edt_HeartbeatTime=60", "edt_WaitTime=20",
                                           "edt_RestartTime=900"};
    QTest::newRow("sockets 2 to 4 at once")
        << QStringList{"CIPSTART=3,udp,h3,4000,1"}
        << QStringList{"cbb_NetProtocol3=UDP", "edt_IP3=h3", "edt_Port3=4000", "chk_NetPort3=1"};
    QTest::newRow("AT boxes") << QStringList{"CINETAT=1", "CICOMAT=1", "CICOMAT=0"}
                              << QStringList{"chk_NetAtEnable=1", "chk_ComAtEnable=0"};
    QTest::newRow("sms and http") << QStringList{"CIPNUM=13800", "HTPTP=post", "HTPURL=/a?b=1",
                                                 "RESOC=30", "CACHE=1"}
                                  << QStringList{"edt_TelNo=13800", "cbbHTPTP=POST",
                                                 "edtHTPURL=/a?b=1", "lbledtResoc=30",
                                                 "chk_CachEnable=1"};
    QTest::newRow("work mode out of range")
        << QStringList{"CIMOD=7"} << QStringList{"cbb_WorkMode=<none>"};
}

void DispatchTest::repliesFillControls() {
    QFETCH(QStringList, replies);
    QFETCH(QStringList, expected);
    WindowFixture fixture;
    for (const QString& reply : replies) {
        const qsizetype equals = reply.indexOf('=');
        fixture.window().Session().DispatchReply(reply.left(equals).toStdString(),
                                                 reply.mid(equals + 1).toStdString());
    }
    for (const QString& pair : expected) {
        const qsizetype equals = pair.indexOf('=');
        QCOMPARE(fixture.shown(pair.left(equals)), pair.mid(equals + 1));
    }
}

void DispatchTest::socketOneWaitsForWorkMode() {
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    window.Session().DispatchReply("CIPSTART", "1,udp,myhost,5000,0");
    QCOMPARE(fixture.shown("edt_IP1"), QString("dtu.example.net"));
    QCOMPARE(fixture.shown("chk_NetPort1"), QString("1"));
    window.Session().DispatchReply("CIMOD", "0");
    QCOMPARE(fixture.shown("cbb_NetProtocol1"), QString("UDP"));
    QCOMPARE(fixture.shown("edt_IP1"), QString("myhost"));
    QCOMPARE(fixture.shown("edt_Port1"), QString("5000"));
    QCOMPARE(fixture.shown("chk_NetPort1"), QString("0"));
    fixture.find<QLineEdit>("edt_IP1")->setText("kept");
    window.Session().DispatchReply("CIMOD", "3");
    QCOMPARE(fixture.shown("edt_IP5"), QString("myhost"));
    QCOMPARE(fixture.shown("edt_Port5"), QString("5000"));
    QCOMPARE(fixture.shown("edt_IP1"), QString("kept"));
    QCOMPARE(window.Session().Form().Item(dtu::Field::WorkMode), 3);
    QCOMPARE(fixture.find<QStackedWidget>("rzpgcntrl_WorkMode")->currentIndex(), 3);
}

void DispatchTest::cloudReplyFollowsCaseAndEnablesFields() {
    WindowFixture fixture;
    fixture.window().Session().DispatchReply("CLOUDEN", "ON");
    QCOMPARE(fixture.shown("chkCloudEnalbe"), QString("1"));
    QVERIFY(fixture.find("lbledtCloud")->isEnabled());
    QVERIFY(fixture.find("lbledtPswd")->isEnabled());
    fixture.window().Session().DispatchReply("CLOUDEN", "on");
    QCOMPARE(fixture.shown("chkCloudEnalbe"), QString("0"));
    QVERIFY(!fixture.find("lbledtCloud")->isEnabled());
    QVERIFY(!fixture.find("lbledtPswd")->isEnabled());
    fixture.window().Session().DispatchReply("CLOUDEN", "ON");
    fixture.window().Session().DispatchReply("CIVER", "3.36");
    QCOMPARE(fixture.shown("chkCloudEnalbe"), QString("0"));
    QVERIFY(!fixture.find("chkCloudEnalbe")->isEnabled());
    QVERIFY(!fixture.find("lbledtCloud")->isEnabled());
}

void DispatchTest::packetReadBackTicksHexBox() {
    WindowFixture fixture;
    QCOMPARE(fixture.shown("chk_HeartbeatFormat"), QString("0"));
    fixture.window().Session().DispatchReply("CIPPACK", "0,4C4F47,1");
    QCOMPARE(fixture.shown("chk_HeartbeatFormat"), QString("1"));
    QCOMPARE(fixture.shown("edt_HeartbeatFormat"), QString("4C4F47"));
    QCOMPARE(fixture.find<QComboBox>("cbb_HeartbeatTo")->currentIndex(), 1);
    fixture.window().Session().DispatchReply("CIPPACK", "1,31,0");
    QCOMPARE(fixture.shown("chk_RegFormat"), QString("1"));
    QCOMPARE(fixture.shown("edt_RegFormat"), QString("31"));
    // Read back once more with the box already ticked: the text is not converted again.
    fixture.window().Session().DispatchReply("CIPPACK", "0,4C4F47,0");
    QCOMPARE(fixture.shown("edt_HeartbeatFormat"), QString("4C4F47"));
}

void DispatchTest::unusableRepliesChangeNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("packet option not a number") << "CIPPACK"
                                                << "0,4C4F47,x";
    QTest::newRow("packet of a third kind") << "CIPPACK"
                                            << "2,4C4F47,0";
    QTest::newRow("socket number not a number") << "CIPSTART"
                                                << "a,UDP,h,1,1";
    QTest::newRow("socket 5") << "CIPSTART"
                              << "5,UDP,h,1,1";
    QTest::newRow("socket with four items") << "CIPSTART"
                                            << "2,UDP,h,1";
    QTest::newRow("work mode not a number") << "CIMOD"
                                            << "x";
    QTest::newRow("work mode empty") << "CIMOD"
                                     << "";
    QTest::newRow("net AT empty") << "CINETAT"
                                  << "";
    QTest::newRow("ICF codes not numbers") << "ICF"
                                           << "a,b";
    QTest::newRow("ICF with three items") << "ICF"
                                          << "5,0,1";
    QTest::newRow("timing with five items") << "CIPCFG"
                                            << "1,2,3,4,5";
    QTest::newRow("APN with two items") << "CSTT"
                                        << "x,y";
    QTest::newRow("name read elsewhere") << "CINETPT"
                                         << "1,2";
    QTest::newRow("no command") << "NOSUCH"
                                << "1";
}

void DispatchTest::unusableRepliesChangeNothing() {
    QFETCH(QString, name);
    QFETCH(QString, value);
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    const dtu::FormModel before = ReadForm(window);
    const int apnItem = fixture.find<QComboBox>("cbb_APN")->currentIndex();
    window.Session().DispatchReply(name.toStdString(), value.toStdString());
    const dtu::FormModel after = ReadForm(window);
    dtu::OrderList expected;
    dtu::OrderList actual;
    dtu::BuildWriteAllOrders(before, expected);
    dtu::BuildWriteAllOrders(after, actual);
    QCOMPARE(actual.Lines(), expected.Lines());
    QCOMPARE(after.Text(dtu::Field::SmsModePhone), before.Text(dtu::Field::SmsModePhone));
    QCOMPARE(fixture.find<QComboBox>("cbb_APN")->currentIndex(), apnItem);
}

void DispatchTest::formGivesWorkedExampleLines() {
    WindowFixture fixture;
    ShowTheFullView(fixture);
    fixture.find<QLineEdit>("edt_IP1")->setText("host1");
    for (const char* name :
         {"edt_IP2", "edt_IP3", "edt_IP4", "edt_Port2", "edt_Port3", "edt_Port4"}) {
        fixture.find<QLineEdit>(name)->clear();
    }
    fixture.find<QLineEdit>("lbledtResoc")->setText("10");
    dtu::OrderList orders;
    dtu::BuildWriteAllOrders(ReadForm(fixture.window()), orders);
    // The version reply of a family-2 device inserts its lines from the form at that time.
    dtu::InsertFamilySetLines(ReadForm(fixture.window()), orders);
    QCOMPARE(orders.Lines(), dtu::WorkedExampleLines());
}

QObject* NewDispatchTest() {
    return new DispatchTest;
}

#include "dispatch_test.moc"
