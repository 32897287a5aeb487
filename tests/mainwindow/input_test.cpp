// Digits-only edits, the reply timer, the status panel and the shortcuts.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "form_test.h"
#include "mainwindow/digits_only_filter.h"
#include "mainwindow/qt_timers.h"
#include "port_end.h"
#include "protocol/run_outcome.h"
#include "window_fixture.h"

class InputTest : public QObject {
    Q_OBJECT
private slots:
    void digitsOnlyEdits_data();
    void digitsOnlyEdits();
    void pasteIsNotFiltered();
    void editingShortcutsPass_data();
    void editingShortcutsPass();
    void inputMethodTextFollowsTheDigitsRule_data();
    void inputMethodTextFollowsTheDigitsRule();
    void droppedTextFollowsTheDigitsRule_data();
    void droppedTextFollowsTheDigitsRule();
    void enterAndSpacePressTheFocusedButton_data();
    void enterAndSpacePressTheFocusedButton();
    void keysThatTypeNothingPass();
    void apnChoiceFillsApnField();
    void typingLimitCutsTypingOnly();
    void timersFireOnceUnlessCancelled();
    void portStatusShowsGbk();
    void buttonsMenusAndShortcutsRunTheirOperations_data();
    void buttonsMenusAndShortcutsRunTheirOperations();
    void reopenShortcutWorksWhileHidden();
};

void InputTest::digitsOnlyEdits_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("letter in a port") << "edt_Port1"
                                      << "a"
                                      << "";
    QTest::newRow("digits and dot") << "edt_HeartbeatTime"
                                    << "1.5"
                                    << "1.5";
    QTest::newRow("mixed") << "edt_TelNo"
                           << "1a2-3 "
                           << "123";
    QTest::newRow("labelled edit") << "lbledtResoc"
                                   << "x9"
                                   << "9";
    QTest::newRow("port limited to five") << "edt_Port2"
                                          << "1234567"
                                          << "12345";
    QTest::newRow("password takes anything") << "lbledtPswd"
                                             << "ab1"
                                             << "ab1";
}

void InputTest::digitsOnlyEdits() {
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    WindowFixture fixture;
    auto* field = fixture.find<QLineEdit>(edit);
    field->setEnabled(true);
    field->clear();
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), kept);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), kept.left(kept.size() - 1));
}

void InputTest::pasteIsNotFiltered() {
    WindowFixture fixture;
    auto* field = fixture.find<QLineEdit>("edt_Port1");
    field->clear();
    QGuiApplication::clipboard()->setText("a1");
    QTest::keySequence(field, QKeySequence::Paste);
    QCOMPARE(field->text(), QString("a1"));
}

void InputTest::editingShortcutsPass_data() {
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("kept");  // after the shortcut, then "7" typed
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("select all replaces") << QKeySequence(QKeySequence::SelectAll) << "7"
                                         << "";
    QTest::newRow("copy keeps") << QKeySequence(QKeySequence::Copy) << "57"
                                << "";
    QTest::newRow("cut takes the selection") << QKeySequence(QKeySequence::Cut) << "7"
                                             << "5";
    QTest::newRow("undo") << QKeySequence(QKeySequence::Undo) << "7"
                          << "";
    QTest::newRow("shift+left selects") << QKeySequence(Qt::ShiftModifier | Qt::Key_Left) << "7"
                                        << "";
    QTest::newRow("a letter is still refused") << QKeySequence(Qt::Key_A) << "57"
                                               << "";
}

// The field holds "5", typed; for cut and copy all of it is selected first.
void InputTest::editingShortcutsPass() {
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, kept);
    QFETCH(QString, clipboard);
    WindowFixture fixture;
    auto* field = fixture.find<QLineEdit>("edt_HeartbeatTime");
    field->clear();
    QTest::keyClicks(field, "5");
    if (shortcut == QKeySequence::Cut || shortcut == QKeySequence::Copy) {
        field->selectAll();
    }
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(field, shortcut);
    if (shortcut == QKeySequence::Copy) {
        field->deselect();
        field->end(false);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("5"));
    } else {
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }
    QTest::keyClicks(field, "7");
    QCOMPARE(field->text(), kept);
}

void InputTest::inputMethodTextFollowsTheDigitsRule_data() {
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("digits") << "12"
                            << "12";
    QTest::newRow("digits and dot") << "1.5"
                                    << "1.5";
    QTest::newRow("Chinese") << "你好"
                             << "";
    QTest::newRow("full-width digits") << "１２"
                                       << "";
    QTest::newRow("digit and letter") << "1a"
                                      << "";
}

void InputTest::inputMethodTextFollowsTheDigitsRule() {
    QFETCH(QString, committed);
    QFETCH(QString, kept);
    WindowFixture fixture;
    auto* field = fixture.find<QLineEdit>("edt_TelNo");
    field->clear();
    // A composition in progress shows in the edit until the input method commits it.
    QInputMethodEvent composing("ni", {});
    QApplication::sendEvent(field, &composing);
    QInputMethodEvent commit;
    commit.setCommitString(committed);
    QApplication::sendEvent(field, &commit);
    QCOMPARE(field->text(), kept);
    QCOMPARE(field->displayText(), kept);
}

void InputTest::droppedTextFollowsTheDigitsRule_data() {
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("digits") << "8080" << true;
    QTest::newRow("letters") << "http" << false;
    QTest::newRow("Chinese digits") << "八" << false;
}

void InputTest::droppedTextFollowsTheDigitsRule() {
    QFETCH(QString, dropped);
    QFETCH(bool, accepted);
    WindowFixture fixture;
    auto* field = fixture.find<QLineEdit>("edt_Port1");
    field->clear();
    QMimeData data;
    data.setText(dropped);
    const QPoint at = field->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &drop);
    QCOMPARE(field->text(), accepted ? dropped : QString());
}

void InputTest::enterAndSpacePressTheFocusedButton_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("bottom button") << "btn_Read";
    QTest::newRow("data page button") << "btn_PPPA";
    QTest::newRow("view switch") << "btn_ShowMore";
}

void InputTest::enterAndSpacePressTheFocusedButton() {
    QFETCH(QString, button);
    WindowFixture fixture;
    auto* pressed = fixture.find<QPushButton>(button);
    QSignalSpy clicks(pressed, &QPushButton::clicked);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QTest::keyClick(pressed, key);
    }
    QCOMPARE(clicks.count(), 3);
}

void InputTest::keysThatTypeNothingPass() {
    const QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
    const QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    const QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QVERIFY(dtu::DigitsOnlyFilter::IsAllowed(tab));
    QVERIFY(dtu::DigitsOnlyFilter::IsAllowed(left));
    QVERIFY(!dtu::DigitsOnlyFilter::IsAllowed(enter));
    WindowFixture fixture;
    auto* field = fixture.find<QLineEdit>("edt_Port1");
    field->setText("2317");
    field->setCursorPosition(4);
    QTest::keyClick(field, Qt::Key_Left);
    QTest::keyClick(field, Qt::Key_Delete);
    QCOMPARE(field->text(), QString("231"));
}

void InputTest::apnChoiceFillsApnField() {
    WindowFixture fixture;
    int apnWindowShown = 0;
    fixture.window().showApn = [&apnWindowShown] { ++apnWindowShown; };
    auto* choice = fixture.find<QComboBox>("cbb_APN");
    QLineEdit* apn = fixture.window().ApnField();
    QCOMPARE(apn->objectName(), QString("edt_APN_other"));
    QTest::keyClick(choice, Qt::Key_Down);
    QCOMPARE(apn->text(), QString("\"UNINET\",\"\",\"\""));
    QTest::keyClick(choice, Qt::Key_Up);
    QCOMPARE(apn->text(), QString("\"CMNET\",\"\",\"\""));
    QCOMPARE(apnWindowShown, 0);
    apn->setText("\"custom\",\"\",\"\"");
    choice->setCurrentIndex(1);
    QTest::keyClick(choice, Qt::Key_Down);
    QCOMPARE(apnWindowShown, 1);
    QCOMPARE(apn->text(), QString("\"custom\",\"\",\"\""));
}

void InputTest::typingLimitCutsTypingOnly() {
    WindowFixture fixture;
    fixture.window().Session().DispatchReply("CIPSTART", "2,TCP,host,1234567,1");
    auto* port = fixture.find<QLineEdit>("edt_Port2");
    QCOMPARE(port->text(), QString("1234567"));
    QCOMPARE(ReadForm(fixture.window()).Text(dtu::Field::Socket2Port), std::string("1234567"));
    port->setFocus();
    port->end(false);
    QTest::keyClicks(port, "8");
    QCOMPARE(port->text(), QString("1234567"));
    QTest::keyClick(port, Qt::Key_Backspace);
    QCOMPARE(port->text(), QString("123456"));

    auto* typed = fixture.find<QLineEdit>("edt_Port3");
    typed->clear();
    QTest::keyClicks(typed, "1234567");
    QCOMPARE(typed->text(), QString("12345"));
}

void InputTest::timersFireOnceUnlessCancelled() {
    QObject context;
    dtu::QtTimers timers(&context);
    int fired = 0;
    int cancelledFired = 0;
    timers.Start(std::chrono::milliseconds(1), [&fired] { ++fired; });
    const dtu::Timers::Id cancelled =
        timers.Start(std::chrono::milliseconds(1), [&cancelledFired] { ++cancelledFired; });
    timers.Cancel(cancelled);
    QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 5000);
    QTest::qWait(20);
    QCOMPARE(fired, 1);
    QCOMPARE(cancelledFired, 0);
}

void InputTest::portStatusShowsGbk() {
    WindowFixture fixture;
    fixture.window().SetPortStatus("/dev/ttyS0 \xB4\xF2\xBF\xAA");
    QCOMPARE(fixture.find<QLabel>("stat1_panel0")->text(), QString("/dev/ttyS0 打开"));
}

void InputTest::buttonsMenusAndShortcutsRunTheirOperations_data() {
    QTest::addColumn<QString>("control");  // what is pressed: a button, an entry or a key
    QTest::addColumn<int>("operation");
    QTest::addColumn<QByteArray>("first");  // what the operation sends first
    const QByteArray version = "AT+CIVER?\r\n";
    QTest::newRow("read button") << "btn_Read" << int(dtu::kReadAllOperation) << version;
    QTest::newRow("write menu entry") << "N5" << int(dtu::kWriteAllOperation) << version;
    QTest::newRow("data mode button")
        << "btn_ENTM" << int(dtu::kOtherOperation) << QByteArray("AT+ENTM\r\n");
    QTest::newRow("F9 writes all") << "F9" << int(dtu::kWriteAllOperation) << version;
    QTest::newRow("Ctrl+Enter sends")
        << "Ctrl+Return" << int(dtu::kOtherOperation) << QByteArray("AT+CSQ");
}

void InputTest::buttonsMenusAndShortcutsRunTheirOperations() {
    QFETCH(QString, control);
    QFETCH(int, operation);
    QFETCH(QByteArray, first);
    PortEnd port;
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.Session().OpenPort({port.Path(), "115200", "NONE", "8", "1"}).Opened());
    auto* send = fixture.find<QPlainTextEdit>("mmo_Send");
    send->setPlainText("AT+CSQ");
    send->setFocus();
    if (control.startsWith("btn_")) {
        fixture.find<QPushButton>(control)->click();
    } else if (control == "N5") {
        fixture.find<QAction>(control)->trigger();
    } else {
        QTest::keySequence(send, QKeySequence(control));
    }
    QCOMPARE(int(window.Session().CurrentOperation()), operation);
    QCOMPARE(port.Read(), first);
    window.Session().ClosePort();
}

void InputTest::reopenShortcutWorksWhileHidden() {
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* reopen = fixture.find<QAction>("N7");
    QSignalSpy triggered(reopen, &QAction::triggered);
    const dtu::PortTexts saved = {"/nonexistent/tty", "9600", "NONE", "8", "1"};
    window.Session().KeepForReopen(saved);
    QVERIFY(!reopen->isVisible());
    QTest::keyClick(&window, Qt::Key_F8);
    QCOMPARE(triggered.count(), 1);
    QVERIFY(window.Session().PortSettings() == saved);
    QVERIFY(!window.Session().PortIsOpen());
    window.SetReopenItemVisible(true);
    QVERIFY(reopen->isVisible());
    QTest::keyClick(&window, Qt::Key_F8);
    QCOMPARE(triggered.count(), 2);
}

QObject* NewInputTest() {
    return new InputTest;
}

#include "input_test.moc"
