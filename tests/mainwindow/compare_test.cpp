// Compare with Device: the device read into a scratch form, the differences listed.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

#include "form_test.h"
#include "tools/dtusim/pty_device.h"
#include "widgets/lang_qt.h"
#include "window_fixture.h"

namespace {

// The list's row for `field`, as "device|form"; empty when it has none.
QString CompareRowOf(WindowFixture& fixture, const QString& field) {
    auto* list = fixture.find<QTreeWidget>("lst_Differences");
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        if (item->text(0) == field) {
            return item->text(1) + '|' + item->text(2);
        }
    }
    return {};
}

bool OnlyQueriesReceived(const dtu::sim::PtyDevice& device) {
    const std::vector<std::string> lines = device.ReceivedLines();
    return !lines.empty() && std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find('=') == std::string::npos;
    });
}

// Runs the compare and waits for its list.
QDialog* CompareShown(WindowFixture& fixture, const char* trigger) {
    if (QString(trigger).startsWith("btn_")) {
        fixture.find<QPushButton>(trigger)->click();
    } else {
        fixture.find<QAction>(trigger)->trigger();
    }
    QDialog* dialog = nullptr;
    const bool shown = QTest::qWaitFor(
        [&] {
            dialog = fixture.window().findChild<QDialog*>("dlg_Compare");
            return dialog != nullptr && dialog->isVisible();
        },
        20000);
    return shown ? dialog : nullptr;
}

}  // namespace

class CompareTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheDifferencesAndLeavesTheFormAlone();
    void writeRunsWriteAllAfterwardsTheDeviceHoldsTheForm();
};

void CompareTest::listsTheDifferencesAndLeavesTheFormAlone() {
    dtu::sim::PtyDevice device;
    device.Start();
    WindowFixture fixture(false);
    dtu::Tfrm_MainLx1& window = fixture.window();
    QVERIFY(window.Session().OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"}).Opened());
    QVERIFY(window.findChild<QDialog*>("dlg_Compare") == nullptr);  // made on first use
    fixture.set("edt_IP1", "elsewhere.example");
    fixture.set("edt_HeartbeatTime", "77");
    fixture.set("edt_Port1", "");

    QDialog* dialog = CompareShown(fixture, "btn_Compare");
    QVERIFY(dialog != nullptr);

    QCOMPARE(CompareRowOf(fixture, "IP/Domain 1"), QString("dtu.example.net|elsewhere.example"));
    QCOMPARE(CompareRowOf(fixture, "Heartbeat"), QString("50|77"));
    QCOMPARE(CompareRowOf(fixture, "Port 1"),
             QString("2317|") + dtu::Tr(fixture.language(), "lang_Value_Empty"));
    // Values the form and the device share are not listed.
    auto* list = fixture.find<QTreeWidget>("lst_Differences");
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        QVERIFY2(item->text(1) != item->text(2), qPrintable(item->text(0)));
    }
    QCOMPARE(fixture.shown("edt_IP1"), QString("elsewhere.example"));
    QCOMPARE(fixture.shown("edt_HeartbeatTime"), QString("77"));
    QVERIFY(OnlyQueriesReceived(device));

    const std::size_t received = device.ReceivedLines().size();
    fixture.find<QPushButton>("btn_CompareCancel")->click();
    QVERIFY(!dialog->isVisible());
    QTest::qWait(200);
    QCOMPARE(device.ReceivedLines().size(), received);
    QCOMPARE(device.Saved().sockets[0].host, std::string("dtu.example.net"));
    window.Session().ClosePort();
    device.Stop();
}

void CompareTest::writeRunsWriteAllAfterwardsTheDeviceHoldsTheForm() {
    dtu::sim::PtyDevice device;
    device.Start();
    WindowFixture fixture(true);
    dtu::Tfrm_MainLx1& window = fixture.window();
    QVERIFY(window.Session().OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"}).Opened());
    fixture.set("edt_IP1", "elsewhere.example");

    QDialog* dialog = CompareShown(fixture, "mni_CompareDevice");
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowTitle(), dtu::Tr(fixture.language(), "lang_Menu_Compare"));
    fixture.find<QPushButton>("btn_CompareWrite")->click();
    QTRY_COMPARE_WITH_TIMEOUT(device.Saved().sockets[0].host, std::string("elsewhere.example"),
                              20000);
    QTRY_VERIFY_WITH_TIMEOUT(!window.Session().Running(), 20000);

    dialog = CompareShown(fixture, "btn_Compare");
    QVERIFY(dialog != nullptr);
    QVERIFY(!fixture.find<QTreeWidget>("lst_Differences")->isVisible());
    QCOMPARE(fixture.find<QLabel>("lbl_CompareQuestion")->text(),
             dtu::Tr(fixture.language(), "lang_Compare_Same"));
    fixture.find<QPushButton>("btn_CompareCancel")->click();
    window.Session().ClosePort();
    device.Stop();
}

QObject* NewCompareTest() {
    return new CompareTest;
}

#include "compare_test.moc"
