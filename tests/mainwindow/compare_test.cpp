// Compare with Device: the device read into a scratch form, the differences listed.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "form_test.h"
#include "tools/dtusim/pty_device.h"
#include "widgets/lang_qt.h"
#include "window_fixture.h"

namespace {

// The list's rows as "field: device|form".
QStringList CompareRows(WindowFixture& fixture) {
    QStringList rows;
    auto* list = fixture.find<QTreeWidget>("lst_Differences");
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows << item->text(0) + ": " + item->text(1) + '|' + item->text(2);
    }
    return rows;
}

bool CompareShown(WindowFixture& fixture) {
    return QTest::qWaitFor(
        [&] {
            auto* dialog = fixture.window().findChild<QDialog*>("dlg_Compare");
            return dialog != nullptr && dialog->isVisible();
        },
        20000);
}

}  // namespace

class CompareTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheDifferencesWithoutChangingTheFormThenWrites();
};

void CompareTest::listsTheDifferencesWithoutChangingTheFormThenWrites() {
    dtu::sim::PtyDevice device;
    device.Start();
    WindowFixture fixture(false);
    dtu::Tfrm_MainLx1& window = fixture.window();
    QVERIFY(window.Session().OpenPort({device.SlavePath(), "115200", "NONE", "8", "1"}).Opened());
    QVERIFY(window.findChild<QDialog*>("dlg_Compare") == nullptr);  // made on first use
    fixture.set("edt_IP1", "elsewhere.example");
    fixture.set("edt_Port1", "");

    fixture.find<QAction>("mni_CompareDevice")->trigger();
    QVERIFY(CompareShown(fixture));
    const QStringList rows = CompareRows(fixture);
    QVERIFY(rows.contains("IP/Domain 1: dtu.example.net|elsewhere.example"));
    QVERIFY(rows.contains("Port 1: 2317|" + dtu::Tr(fixture.language(), "lang_Value_Empty")));
    QCOMPARE(fixture.shown("edt_IP1"), QString("elsewhere.example"));
    for (const std::string& line : device.ReceivedLines()) {
        QVERIFY2(line.find('=') == std::string::npos, line.c_str());
    }
    fixture.find<QPushButton>("btn_CompareWrite")->click();
    QTRY_COMPARE_WITH_TIMEOUT(device.Saved().sockets[0].host, std::string("elsewhere.example"),
                              20000);
    QTRY_VERIFY_WITH_TIMEOUT(!window.Session().Running(), 20000);
    fixture.find<QPushButton>("btn_Compare")->click();
    QVERIFY(CompareShown(fixture));
    QVERIFY(CompareRows(fixture).isEmpty());
    QCOMPARE(fixture.find<QLabel>("lbl_CompareQuestion")->text(),
             dtu::Tr(fixture.language(), "lang_Compare_Same"));
    window.Session().ClosePort();
    device.Stop();
}

QObject* NewCompareTest() {
    return new CompareTest;
}

#include "compare_test.moc"
