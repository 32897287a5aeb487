// Write all from the window: values checked first, and the compact view's question.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <optional>

#include "form/device_map.h"
#include "form_test.h"
#include "mainwindow/form_binder.h"
#include "mainwindow/info_area.h"
#include "mainwindow/refused_mark.h"
#include "tools/dtusim/pty_device.h"
#include "widgets/lang_qt.h"
#include "window_fixture.h"

namespace {

struct Asked {
    QString name;
    QString question;
    QStringList rows;  // "field: device → written", as the log names them
};

QStringList WriteAllAskedRows(const QTreeWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list.topLevelItem(i);
        rows << QString::fromUtf8("%1: %2 \u2192 %3")
                    .arg(item->text(0), item->text(1), item->text(2));
    }
    return rows;
}

// Answers a question shown by the next action with the button named `answer`,
// or with Enter or Escape typed in its list (Cancel is the default button);
// `asked` records it. No question: `asked` stays empty.
void AnswerWhenShown(const QString& answer, std::optional<Asked>& asked) {
    QTimer::singleShot(0, [answer, &asked] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            return;
        }
        auto* list = dialog->findChild<QTreeWidget*>("lst_Differences");
        asked =
            Asked{dialog->objectName(), dialog->findChild<QLabel*>("lbl_CompareQuestion")->text(),
                  WriteAllAskedRows(*list)};
        if (answer.startsWith("btn_")) {
            dialog->findChild<QPushButton*>(answer)->click();
        } else {
            QTest::keyClick(list, answer == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        }
    });
}

bool IsMarked(WindowFixture& fixture, const char* control) {
    return fixture.find(control)->property(dtu::kRefusedProperty).toBool();
}

// Runs `action` and waits until the run it started has ended.
void RunToEnd(WindowFixture& fixture, const char* action) {
    fixture.find<QAction>(action)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!fixture.window().Session().Running(), 20000);
}

}  // namespace

class WriteAllTest : public QObject {
    Q_OBJECT
private slots:
    void refusedValuesAreMarkedLoggedAndFocused_data();
    void refusedValuesAreMarkedLoggedAndFocused();
    void editingAFieldTakesItsMarkAway();
    void compactViewAsksOnlyWhenHiddenValuesChange_data();
    void compactViewAsksOnlyWhenHiddenValuesChange();
};

void WriteAllTest::refusedValuesAreMarkedLoggedAndFocused_data() {
    QTest::addColumn<QStringList>("values");  // control=value pairs
    QTest::addColumn<QStringList>("marked");  // in the order of the form
    QTest::addColumn<QString>("line");
    QTest::newRow("port beyond 65535")
        << QStringList{"edt_Port1=70000"} << QStringList{"edt_Port1"}
        << "[Error]: Nothing written; these values break their rules: Port 1: a "
           "number from 0 to 65535, or nothing";
    QTest::newRow("no heartbeat") << QStringList{"edt_HeartbeatTime="}
                                  << QStringList{"edt_HeartbeatTime"}
                                  << "[Error]: Nothing written; these values break their rules: "
                                     "Heartbeat: 1 to 9 digits";
    QTest::newRow("three at once")
        << QStringList{"edt_HeartbeatTime=", "edt_Port1=70000", "edt_IP1=a\"b"}
        << QStringList{"edt_IP1", "edt_Port1", "edt_HeartbeatTime"}
        << "[Error]: Nothing written; these values break their rules: IP/Domain 1: "
           "no double quote or control character; Port 1: a number from 0 to "
           "65535, or nothing; Heartbeat: 1 to 9 digits";
}

// Nothing goes out; each value to fix is framed, named with its rule in one
// red line, and the first has the focus.
void WriteAllTest::refusedValuesAreMarkedLoggedAndFocused() {
    QFETCH(QStringList, values);
    QFETCH(QStringList, marked);
    QFETCH(QString, line);
    dtu::sim::PtyDevice device;
    device.Start();
    WindowFixture fixture(false);
    dtu::Tfrm_MainLx1& window = fixture.window();
    QVERIFY(window.Session().OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"}).Opened());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const QString& value : values) {
        fixture.set(value.section('=', 0, 0), value.section('=', 1));
    }
    const int linesBefore = window.Info()->LineCount();

    fixture.find<QPushButton>("btn_SetAll")->click();

    QVERIFY(!window.Session().Running());
    for (const dtu::DeviceFieldRow& row : dtu::DeviceFields()) {
        const char* control = dtu::ControlNameOf(row.field);
        QVERIFY2(IsMarked(fixture, control) == marked.contains(control), control);
    }
    QCOMPARE(window.Info()->LineCount(), linesBefore + 1);
    QCOMPARE(window.Info()->toPlainText().section('\n', -2, -2), line);
    QCOMPARE(QApplication::focusWidget()->objectName(), marked.first());
    QTest::qWait(100);
    QVERIFY(device.ReceivedLines().empty());
    window.Session().ClosePort();
    device.Stop();
}

void WriteAllTest::editingAFieldTakesItsMarkAway() {
    WindowFixture fixture;
    fixture.set("edt_Port1", "70000");
    fixture.set("edt_HeartbeatTime", "");
    fixture.find<QAction>("actSetAll")->trigger();
    QVERIFY(IsMarked(fixture, "edt_Port1"));

    fixture.set("edt_Port1", "7000");

    QVERIFY(!IsMarked(fixture, "edt_Port1"));
    QVERIFY(fixture.find("edt_Port1")->styleSheet().isEmpty());
    QVERIFY(IsMarked(fixture, "edt_HeartbeatTime"));
}

void WriteAllTest::compactViewAsksOnlyWhenHiddenValuesChange_data() {
    QTest::addColumn<QStringList>("before");  // actions, clicks and control=value, in turn
    QTest::addColumn<QString>("answer");      // a button, or Enter or Escape
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("change");  // in the question, and in the log once written
    // The simulated device has sockets 2 to 4 off, without host or port; the
    // compact view writes the defaults there, which matters to no one.
    const QStringList read{"actAskAll"};
    // Socket 2 turned on in the full view, then read back in the compact view,
    // where socket 1's host changes too: shown, so not asked about.
    const QStringList socketOn{"btn_ShowMore", "chk_NetPort2=1", "actSetAll",
                               "actAskAll",    "btn_ShowMore",   "edt_IP1=elsewhere.example"};
    const QString socketOff = QString::fromUtf8("Use Net 2: on \u2192 off");
    QTest::newRow("write") << socketOn << "btn_WriteHidden" << true << true << 1 << socketOff;
    QTest::newRow("show full view")
        << socketOn << "btn_ShowFullView" << true << false << 0 << socketOff;
    QTest::newRow("cancel") << socketOn << "btn_CancelWrite" << true << false << 1 << socketOff;
    QTest::newRow("Enter cancels") << socketOn << "Enter" << true << false << 1 << socketOff;
    QTest::newRow("Escape cancels") << socketOn << "Escape" << true << false << 1 << socketOff;
    QTest::newRow("factory-default device: logged, not asked")
        << read << "btn_CancelWrite" << false << true << 1
        << QString::fromUtf8("Port 2: (empty) \u2192 2317");
    QTest::newRow("no read since the port opened")
        << QStringList{} << "btn_CancelWrite" << false << true << 1 << QString();
    QTest::newRow("full view") << QStringList{"actAskAll", "btn_ShowMore"} << "btn_CancelWrite"
                               << false << true << 0 << QString();
    QTest::newRow("device holds what the compact view writes")
        << QStringList{"actSetAll", "actAskAll"} << "btn_CancelWrite" << false << true << 1
        << QString();
}

void WriteAllTest::compactViewAsksOnlyWhenHiddenValuesChange() {
    QFETCH(QStringList, before);
    QFETCH(QString, answer);
    QFETCH(bool, asked);
    QFETCH(bool, written);
    QFETCH(int, view);
    QFETCH(QString, change);
    dtu::sim::PtyDevice device;
    device.Start();
    WindowFixture fixture(false);
    dtu::Tfrm_MainLx1& window = fixture.window();
    QVERIFY(window.Session().OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"}).Opened());
    for (const QString& step : before) {
        if (step.startsWith("btn_")) {
            fixture.find<QPushButton>(step)->click();
        } else if (step.contains('=')) {
            fixture.set(step.section('=', 0, 0), step.section('=', 1));
        } else {
            RunToEnd(fixture, qPrintable(step));
        }
    }
    const std::size_t linesBefore = device.ReceivedLines().size();

    std::optional<Asked> question;
    AnswerWhenShown(answer, question);
    fixture.find<QAction>("actSetAll")->trigger();
    QTest::qWait(0);

    QCOMPARE(question.has_value(), asked);
    if (asked) {
        QCOMPARE(question->name, QString("msg_HiddenChanges"));
        QCOMPARE(question->question, dtu::Tr(fixture.language(), "lang_Compact_Question"));
        const QString rows = question->rows.join('\n');
        QVERIFY2(question->rows.contains(change), qPrintable(rows));
        QVERIFY2(!rows.contains("IP/Domain 1"), qPrintable(rows));
    }
    window.Info()->Flush();
    const QString log = window.Info()->toPlainText();
    QCOMPARE(
        log.contains(change) &&
            log.contains(dtu::Tr(fixture.language(), "lang_Info_HiddenChanges").section('%', 0, 0)),
        written && !change.isEmpty());
    QCOMPARE(window.Session().Running(), written);
    QCOMPARE(window.Session().Form().View(), view);
    if (written) {
        QTRY_VERIFY_WITH_TIMEOUT(device.ReceivedLines().size() > linesBefore, 10000);
    } else {
        QTest::qWait(100);
        QCOMPARE(device.ReceivedLines().size(), linesBefore);
    }
    window.Session().ClosePort();
    device.Stop();
}

QObject* NewWriteAllTest() {
    return new WriteAllTest;
}

#include "write_all_test.moc"
