// The factory-reset question, the hex boxes, D2D and the SMS text box.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "form/d2d_packet.h"
#include "form_test.h"
#include "protocol/order_list.h"
#include "window_fixture.h"

namespace {

using dtu::Field;

// Presses `button` of the factory-reset question as soon as it shows; records
// what the box looked like.
struct QuestionAnswer {
    explicit QuestionAnswer(QMessageBox::StandardButton pressed) : button(pressed) {}
    QMessageBox::StandardButton button;
    QString text;
    QString caption;
    bool noIsDefault = false;
    bool hasIcon = true;
};

void AnswerWhenShown(QuestionAnswer& answer) {
    QTimer::singleShot(0, [&answer] {
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (question == nullptr) {
            AnswerWhenShown(answer);
            return;
        }
        answer.text = question->text();
        answer.caption = question->windowTitle();
        answer.noIsDefault = question->defaultButton() == question->button(QMessageBox::No);
        answer.hasIcon = question->icon() != QMessageBox::NoIcon;
        question->button(answer.button)->click();
    });
}

void FillForm(WindowFixture& fixture) {
    fixture.find<QComboBox>("cbb_APN")->setCurrentIndex(1);
    fixture.window().ApnField()->setText("\"UNINET\",\"\",\"\"");
    fixture.find<QComboBox>("cbb_Com_BaudRate")->setCurrentIndex(3);
    fixture.find<QComboBox>("cbb_Com_Byte")->setCurrentIndex(0);
    fixture.find<QComboBox>("cbb_WorkMode")->setCurrentIndex(4);
    fixture.find<QCheckBox>("chk_NetPort3")->setChecked(true);
    fixture.find<QCheckBox>("chk_HeartbeatFormat")->setChecked(true);
    fixture.find<QCheckBox>("chkCloudEnalbe")->setChecked(true);
    fixture.find<QLineEdit>("lbledtCloud")->setText("123");
    fixture.find<QComboBox>("cbb_NetProtocol2")->setCurrentIndex(1);
}

void ShowFullView(WindowFixture& fixture) {
    if (fixture.window().Session().Form().View() != 0) {
        fixture.find<QPushButton>("btn_ShowMore")->click();
    }
}

}  // namespace

class CouplingsTest : public QObject {
    Q_OBJECT
private slots:
    void factoryResetNoChangesNothing();
    void factoryResetYesBlanksForm();
    void hexBoxesConvertTheirPacket();
    void d2dPacketRules_data();
    void d2dPacketRules();
    void d2dKeepsRegistrationHex();
    void smsTextRefusesEnter();
};

void CouplingsTest::factoryResetNoChangesNothing() {
    WindowFixture fixture;
    FillForm(fixture);
    fixture.window().Session().Orders().AddExecOrder("CIRESET");
    const dtu::FormModel before = ReadForm(fixture.window());
    QuestionAnswer answer(QMessageBox::No);
    AnswerWhenShown(answer);
    fixture.find<QAction>("actReset")->trigger();
    QCOMPARE(answer.text, QString("Factory Reset?"));
    QCOMPARE(answer.caption, QString("Warning"));
    QVERIFY(answer.noIsDefault);
    QVERIFY(!answer.hasIcon);
    const dtu::FormModel after = ReadForm(fixture.window());
    QCOMPARE(after.Text(Field::Apn), before.Text(Field::Apn));
    QCOMPARE(after.Item(Field::WorkMode), 4);
    QVERIFY(after.Tick(Field::HeartbeatPacketHex));
    QCOMPARE(after.Text(Field::HeartbeatPacket), before.Text(Field::HeartbeatPacket));
    QCOMPARE(fixture.window().Session().Orders().Lines(),
             std::vector<std::string>{"AT+CIRESET\r\n"});
}

void CouplingsTest::factoryResetYesBlanksForm() {
    WindowFixture fixture;
    FillForm(fixture);
    ShowFullView(fixture);
    fixture.find<QCheckBox>("chk_D2DEnable")->setChecked(true);
    QuestionAnswer answer(QMessageBox::Yes);
    AnswerWhenShown(answer);
    fixture.find<QPushButton>("btn_Default")->click();
    const dtu::FormModel form = ReadForm(fixture.window());
    QCOMPARE(fixture.find<QComboBox>("cbb_APN")->currentIndex(), 0);
    QCOMPARE(form.Text(Field::Apn), std::string("CMNET"));
    QCOMPARE(form.ItemText(Field::BaudRate), std::string("115200"));
    QCOMPARE(form.Item(Field::DataBits), 1);
    QCOMPARE(form.Item(Field::WorkMode), 0);
    QCOMPARE(fixture.find<QStackedWidget>("rzpgcntrl_WorkMode")->currentIndex(), 0);
    QVERIFY(form.Tick(Field::Socket1Enable));
    QVERIFY(!form.Tick(Field::Socket3Enable));
    QCOMPARE(form.ItemText(Field::Socket2Protocol), std::string("TCP"));
    QVERIFY(form.Text(Field::Socket1Host).empty() && form.Text(Field::HttpHost).empty() &&
            form.Text(Field::HttpPort).empty());
    QVERIFY(fixture.find<QCheckBox>("chk_NetPort5")->isChecked());
    QVERIFY(form.Text(Field::HeartbeatPacket).empty() &&
            form.Text(Field::RegistrationPacket).empty());
    QVERIFY(!form.Tick(Field::HeartbeatPacketHex) && !form.Tick(Field::RegistrationPacketHex));
    QVERIFY(!fixture.find<QCheckBox>("chk_D2DEnable")->isChecked());
    QVERIFY(!form.Tick(Field::CloudEnable) && form.Text(Field::CloudNumber).empty());
    QVERIFY(!fixture.find("lbledtCloud")->isEnabled());
    QVERIFY(form.Text(Field::SmsModePhone).empty() && form.Text(Field::ReconnectInterval).empty());
    // The port is closed, so the list stays with its one line unsent.
    QCOMPARE(fixture.window().Session().Orders().Lines(),
             std::vector<std::string>{"AT+CIRELOAD\r\n"});
}

void CouplingsTest::hexBoxesConvertTheirPacket() {
    WindowFixture fixture;
    auto* registration = fixture.find<QLineEdit>("edt_RegFormat");
    auto* heartbeat = fixture.find<QLineEdit>("edt_HeartbeatFormat");
    auto* registrationHex = fixture.find<QCheckBox>("chk_RegFormat");
    QTest::mouseClick(registrationHex, Qt::LeftButton, {}, QPoint(4, 8));
    QCOMPARE(registration->text(), QString("4C4F47494E3A31303031"));
    QCOMPARE(heartbeat->text(), QString("LOG"));
    registrationHex->setChecked(false);
    QCOMPARE(registration->text(), QString("LOGIN:1001"));
    heartbeat->setText("心跳");  // converted as the GBK bytes the device sees
    fixture.find<QCheckBox>("chk_HeartbeatFormat")->setChecked(true);
    QCOMPARE(heartbeat->text(), QString("D0C4CCF8"));
    fixture.find<QCheckBox>("chk_HeartbeatFormat")->setChecked(false);
    QCOMPARE(heartbeat->text(), QString("心跳"));
    fixture.find<QCheckBox>("chk_HeartbeatFormat")->setChecked(true);
    heartbeat->setText("not hex");
    fixture.find<QCheckBox>("chk_HeartbeatFormat")->setChecked(false);
    QCOMPARE(heartbeat->text(), QString("not hex"));
}

void CouplingsTest::d2dPacketRules_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("packet");
    QTest::newRow("zero counts as one") << "0"
                                        << "1"
                                        << "0001FFFE";
    QTest::newRow("too large") << "99999"
                               << "65535"
                               << "FFFF0000";
    QTest::newRow("largest") << "65535"
                             << "65535"
                             << "FFFF0000";
    QTest::newRow("ordinary") << "100"
                              << "100"
                              << "0064FF9B";
    QTest::newRow("not an integer") << "1.5"
                                    << "65535"
                                    << "FFFF0000";
    QTest::newRow("longer than five") << "000012"
                                      << "65535"
                                      << "FFFF0000";
}

void CouplingsTest::d2dPacketRules() {
    QFETCH(QString, typed);
    QFETCH(QString, id);
    QFETCH(QString, packet);
    WindowFixture fixture;
    ShowFullView(fixture);
    auto* idField = fixture.find<QLineEdit>("lbledt_D2D_ID");
    idField->setValidator(nullptr);  // typing past the limit is what is tested
    fixture.find<QCheckBox>("chk_D2DEnable")->setChecked(true);
    idField->clear();
    QTest::keyClicks(idField, typed);
    QCOMPARE(idField->text(), id);
    QCOMPARE(fixture.find<QLineEdit>("edt_RegFormat")->text(), packet);
    const std::optional<dtu::D2DRegistration> direct = dtu::D2DRegistrationFor(typed.toStdString());
    QVERIFY(direct.has_value());
    QCOMPARE(QString::fromStdString(direct->packet), packet);
}

void CouplingsTest::d2dKeepsRegistrationHex() {
    WindowFixture fixture;
    ShowFullView(fixture);
    auto* d2d = fixture.find<QCheckBox>("chk_D2DEnable");
    auto* hex = fixture.find<QCheckBox>("chk_RegFormat");
    auto* packet = fixture.find<QLineEdit>("edt_RegFormat");
    QVERIFY(!dtu::D2DRegistrationFor("").has_value());
    d2d->setChecked(true);
    QVERIFY(hex->isChecked());
    QVERIFY(!packet->isEnabled());
    QVERIFY(fixture.find("lbledt_D2D_ID")->isEnabled());
    QCOMPARE(packet->text(), QString("0064FF9B"));
    hex->setChecked(false);
    QVERIFY(hex->isChecked());
    QCOMPARE(packet->text(), QString("0064FF9B"));
    d2d->setChecked(false);
    QVERIFY(hex->isChecked());
    QVERIFY(packet->isEnabled());
    QVERIFY(!fixture.find("lbledt_D2D_ID")->isEnabled());
    QCOMPARE(packet->text(), QString("0064FF9B"));
    fixture.find<QLineEdit>("lbledt_D2D_ID")->clear();
    d2d->setChecked(true);
    QCOMPARE(packet->text(), QString("0064FF9B"));
}

void CouplingsTest::smsTextRefusesEnter() {
    WindowFixture fixture;
    auto* message = fixture.find<QPlainTextEdit>("mmo_Sms_Msg");
    QTest::keyClicks(message, "ab");
    QTest::keyClick(message, Qt::Key_Return);
    QTest::keyClick(message, Qt::Key_Enter);
    QTest::keyClicks(message, "c");
    QCOMPARE(message->toPlainText(), QString("abc"));
    auto* send = fixture.find<QPlainTextEdit>("mmo_Send");
    QTest::keyClicks(send, "AT");
    QTest::keyClick(send, Qt::Key_Return);
    QCOMPARE(send->toPlainText(), QString("AT\n"));
    QTest::mouseClick(fixture.find("lbl_ClearSend"), Qt::LeftButton);
    QVERIFY(send->toPlainText().isEmpty());
}

QObject* NewCouplingsTest() {
    return new CouplingsTest;
}

#include "couplings_test.moc"
