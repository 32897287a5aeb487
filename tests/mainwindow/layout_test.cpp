// Controls exist by name at their places, with their defaults, limits and tags.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>

#include "form_test.h"
#include "mainwindow/typing_limit.h"
#include "window_fixture.h"

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void geometryInFullView_data();
    void geometryInFullView();
    void pagesInWorkModeOrder();
    void clientAreaAndStatusPanels();
    void largerWindowGoesToTheLogAndSendAreas_data();
    void largerWindowGoesToTheLogAndSendAreas();
    void tabOrder();
    void defaultsAndLimits_data();
    void defaultsAndLimits();
    void labelledEditCaptionFollowsEdit();
    void actionTagsAndShortcuts();
    void menuEntries_data();
    void menuEntries();
};

void LayoutTest::geometryInFullView_data() {
    QTest::addColumn<QRect>("rect");  // height -1: not fixed
    auto row = [](const char* name, int x, int y, int w, int h) {
        QTest::newRow(name) << QRect(x, y, w, h);
    };
    row("grp_common", 16, 7, 405, 126);
    row("rzpgcntrl_WorkMode", 16, 132, 405, 451);
    row("grp_Info", 435, 7, 368, 470);
    row("grp_Send", 435, 466, 368, 117);
    row("cbb_APN", 119, 18, 66, -1);
    row("edt_APN_other", 192, 18, 87, -1);
    row("cbb_Com_BaudRate", 119, 43, 160, -1);
    row("cbb_Com_Byte", 190, 68, 41, -1);
    row("cbb_Com_Stop", 238, 68, 41, -1);
    row("cbb_WorkMode", 118, 93, 160, -1);
    row("lbl_WorkMode", 13, 95, 90, -1);
    row("chk_NetPort3", 12, 73, 90, -1);
    row("edt_IP1", 117, 19, 134, -1);
    row("edt_IP4", 117, 102, 134, -1);
    row("cbb_NetProtocol1", 258, 19, 51, -1);
    row("cbb_NetProtocol2", 258, 46, 51, -1);
    row("edt_Port1", 317, 19, 51, -1);
    row("edt_Port3", 317, 74, 51, -1);
    row("edt_HeartbeatTime", 117, 129, 134, -1);
    row("lbl_WaitTime", 12, 157, 90, -1);
    row("edt_RestartTime", 117, 185, 134, -1);
    row("edt_HeartbeatFormat", 117, 213, 134, -1);
    row("cbb_HeartbeatTo", 322, 213, 56, -1);
    row("chk_RegFormat", 258, 240, -1, -1);
    row("cbb_RegMode", 322, 240, 56, -1);
    row("lbledt_D2D_ID", 117, 268, 134, -1);
    row("chk_D2DEnable", 258, 268, 138, -1);
    row("chk_ComAtEnable", 258, 296, 138, -1);
    row("chk_CachEnable", 259, 324, 138, -1);
    row("lbledtCloud", 115, 350, 134, -1);
    row("lbledtPswd", 325, 350, 56, -1);
    row("lblResocS", 259, 380, -1, -1);
    row("btn_ShowMore", 12, 411, 99, 25);
    row("btn_PPPA", 147, 411, 99, 25);
    row("btn_ENTM", 282, 411, 99, 25);
    const int markerTops[] = {19, 46, 74, 102, 129, 157, 185, 213, 240, 268, 296, 324};
    for (int i = 0; i < 12; ++i) {
        QTest::addRow("btn%d", i + 1) << QRect(-10, markerTops[i], 10, 21);
    }
    row("grp_CommonAtCmd", 8, 80, 369, 89);
    row("btn_At_GetCiver", 16, 32, 113, 25);
    row("grp_SendSms", 8, 210, 369, 177);
    row("edt_Sms_TelNo", 119, 21, 161, -1);
    row("mmo_Sms_Msg", 119, 56, 161, 65);
    row("btn_Sms_Send", 119, 136, 161, 25);
    row("lbl_Port5", 9, 102, 134, -1);
    row("edt_IP5", 150, 59, 197, -1);
    row("cbbHTPTP", 150, 138, 197, -1);
    row("mmoHTPHD", 150, 219, 197, 119);
    row("edt_TelNo", 120, 136, 153, -1);
    row("edtDialog", 16, 40, 335, 389);
    row("pbWhile", 2, 455, 364, 13);
    row("mmo_Send", 16, 40, 337, 59);
    row("btn_SetAll", 16, 609, 139, 30);
    row("btn_Read", 178, 609, 139, 30);
    row("btn_Default", 340, 609, 139, 30);
    row("btn_ReStart", 502, 609, 139, 30);
    row("btn_Send", 664, 609, 139, 30);
}

void LayoutTest::geometryInFullView() {
    QFETCH(QRect, rect);
    WindowFixture fixture;
    fixture.find<QPushButton>("btn_ShowMore")->click();
    const QString name = QTest::currentDataTag();
    const QRect actual = fixture.find(name)->geometry();
    // The form column widens by what its texts need in this font; what stands
    // beside it gives way, and the bottom buttons spread over the wider window.
    const int extra = fixture.find("rzpgcntrl_WorkMode")->width() - 405;
    QVERIFY(extra >= 0);
    if (name == "grp_common" || name == "rzpgcntrl_WorkMode") {
        rect.setWidth(rect.width() + extra);
    } else if (name == "grp_Info" || name == "grp_Send") {
        rect.translate(extra, 0);
    } else if (name.startsWith("btn_") && actual.y() == 609) {
        rect.moveLeft(16 + (rect.x() - 16) * (648 + extra) / 648);
    }
    // Boxes sized to their texts are at least as wide as designed, and a row
    // whose edit grew moves on to the right.
    const bool measured = name == "cbb_APN" || name == "cbb_WorkMode" ||
                          name.startsWith("cbb_HeartbeatTo") || name.startsWith("cbb_RegMode") ||
                          name == "edt_HeartbeatFormat" || name == "chk_RegFormat" ||
                          name.startsWith("cbb_NetProtocol") || name.startsWith("edt_Port");
    if (measured) {
        QVERIFY(actual.x() >= rect.x());
        QVERIFY(actual.width() >= rect.width());
        QCOMPARE(actual.y(), rect.y());
        return;
    }
    QCOMPARE(actual.x(), rect.x());
    QCOMPARE(actual.y(), rect.y());
    if (rect.width() >= 0) {
        QCOMPARE(actual.width(), rect.width());
    }
    if (rect.height() >= 0) {
        QCOMPARE(actual.height(), rect.height());
    }
}

void LayoutTest::pagesInWorkModeOrder() {
    WindowFixture fixture;
    auto* pages = fixture.find<QStackedWidget>("rzpgcntrl_WorkMode");
    const QStringList names = {"rztbshtTabSheet_DataTran", "rztbshtTabSheet_ComCmd",
                               "rztbshtTabSheet_AtCmd", "rztbshtTabSheet_HttpdClient",
                               "rztbshtTabSheet_SmsTran"};
    QCOMPARE(pages->count(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(pages->widget(i)->objectName(), names[i]);
    }
    QCOMPARE(pages->currentIndex(), 0);
}

void LayoutTest::clientAreaAndStatusPanels() {
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Wider only by what the form's texts need.
    QCOMPARE(window.centralWidget()->width(),
             819 + fixture.find("rzpgcntrl_WorkMode")->width() - 405);
    QCOMPARE(window.centralWidget()->height() + window.statusBar()->height(), 668);
    // Opens at the designed size, which is also the least.
    QCOMPARE(window.size(), window.minimumSize());
    QCOMPARE(window.statusBar()->objectName(), QString("stat1"));
    QCOMPARE(fixture.find("stat1_panel0")->width(), 410);
    QCOMPARE(fixture.find("stat1_panel1")->width(), 50);
}

void LayoutTest::largerWindowGoesToTheLogAndSendAreas_data() {
    // What the region does with room beyond the designed size: moves right or
    // down with it, grows wider or taller by it.
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("wider");
    QTest::addColumn<bool>("taller");
    auto row = [](const char* name, bool right, bool down, bool wider, bool taller) {
        QTest::newRow(name) << right << down << wider << taller;
    };
    row("grp_Info", false, false, true, true);
    row("edtDialog", false, false, true, true);
    row("lbl_ClearInfo", true, false, false, false);
    row("pbWhile", false, true, true, false);
    row("grp_Send", false, true, true, false);
    row("mmo_Send", false, false, true, false);
    row("lbl_ClearSend", true, false, false, false);
    row("btn_SetAll", false, true, false, false);
    row("btn_Send", false, true, false, false);
    // The form keeps its place and size.
    row("grp_common", false, false, false, false);
    row("rzpgcntrl_WorkMode", false, false, false, false);
    row("edt_IP1", false, false, false, false);
}

void LayoutTest::largerWindowGoesToTheLogAndSendAreas() {
    QFETCH(bool, right);
    QFETCH(bool, down);
    QFETCH(bool, wider);
    QFETCH(bool, taller);
    const QSize extra(300, 200);
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    QWidget* region = fixture.find(QTest::currentDataTag());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect designed = region->geometry();
    const QRect grown(designed.x() + (right ? extra.width() : 0),
                      designed.y() + (down ? extra.height() : 0),
                      designed.width() + (wider ? extra.width() : 0),
                      designed.height() + (taller ? extra.height() : 0));
    window.resize(window.minimumSize() + extra);
    QTRY_COMPARE(region->geometry(), grown);
    window.resize(window.minimumSize());
    QTRY_COMPARE(region->geometry(), designed);
}

void LayoutTest::tabOrder() {
    WindowFixture fixture;
    const char* chain[] = {"edt_IP1", "cbb_NetProtocol1", "edt_Port1", "chk_NetPort2", "edt_IP2"};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        QCOMPARE(fixture.find(chain[i])->nextInFocusChain()->objectName(), QString(chain[i + 1]));
    }
    QCOMPARE(fixture.find("cbb_Com_Parity")->nextInFocusChain()->objectName(),
             QString("cbb_Com_Byte"));
}

void LayoutTest::defaultsAndLimits_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("expected");
    auto row = [](const char* control, const char* property, const QVariant& expected) {
        QTest::addRow("%s.%s", control, property)
            << QString(control) << QByteArray(property) << expected;
    };
    row("cbb_APN", "currentIndex", 0);
    row("cbb_Com_BaudRate", "currentText", "115200");
    row("cbb_Com_Parity", "currentText", "NONE");
    row("cbb_Com_Byte", "currentText", "8");
    row("cbb_Com_Stop", "currentText", "1");
    row("cbb_WorkMode", "currentIndex", 0);
    row("edt_APN_other", "enabled", false);
    row("chk_NetPort1", "checked", true);
    row("chk_NetPort2", "checked", false);
    row("edt_Port4", "text", "2317");
    row("edt_Port1", "typingLimit", 5);
    row("edt_HeartbeatTime", "text", "50");
    row("edt_WaitTime", "text", "10");
    row("edt_RestartTime", "text", "1800");
    row("edt_HeartbeatFormat", "text", "LOG");
    row("edt_RegFormat", "text", "LOGIN:1001");
    row("chk_RegFormat", "checked", false);
    row("cbb_RegMode", "currentIndex", 0);
    row("lbledt_D2D_ID", "typingLimit", 5);
    row("lbledt_D2D_ID", "enabled", false);
    row("lbledtCloud", "typingLimit", 20);
    row("lbledtCloud", "enabled", false);
    row("lbledtPswd", "typingLimit", 8);
    row("lbledtResoc", "typingLimit", 20);
    row("lbledtResoc", "enabled", true);
    row("cbbHTPTP", "currentText", "GET");
    row("edt_Port5", "text", "2317");
    row("edt_TelNo", "text", "10086");
    row("chk_NetPort5", "checked", true);
    row("chk_NetPort5", "hidden", true);
    row("cbb_NetProtocol5", "hidden", true);
    row("grp_CommonComCmd", "hidden", true);
    row("pbWhile", "hidden", true);
}

void LayoutTest::defaultsAndLimits() {
    QFETCH(QString, control);
    QFETCH(QByteArray, property);
    QFETCH(QVariant, expected);
    WindowFixture fixture;
    QWidget* widget = fixture.find(control);
    QVariant actual = widget->property(property);
    if (property == "hidden") {
        actual = widget->isHidden();
    } else if (property == "typingLimit") {
        const auto* limit =
            qobject_cast<const dtu::TypingLimit*>(qobject_cast<QLineEdit*>(widget)->validator());
        actual = limit != nullptr ? limit->Limit() : 0;
    }
    QCOMPARE(actual.toString(), expected.toString());
}

void LayoutTest::labelledEditCaptionFollowsEdit() {
    WindowFixture fixture;
    fixture.find<QPushButton>("btn_ShowMore")->click();
    auto* edit = fixture.find<QLineEdit>("lbledtResoc");
    auto* label = fixture.find<QLabel>("lbledtResoc_label");
    QVERIFY(label->geometry().right() < edit->x());
    QCOMPARE(label->y(), edit->y());
    edit->setEnabled(false);
    QVERIFY(!label->isEnabled());
    edit->setEnabled(true);
    QVERIFY(label->isEnabled());
    edit->hide();
    QVERIFY(label->isHidden());
    edit->show();
    QVERIFY(!label->isHidden());
}

void LayoutTest::actionTagsAndShortcuts() {
    WindowFixture fixture;
    const struct {
        const char* name;
        int tag;
        QKeySequence shortcut;
    } rows[] = {
        {"actAskAll", 1, {}},
        {"actSetAll", 2, QKeySequence(Qt::Key_F9)},
        {"actReset", 3, {}},
        {"actRestart", 4, {}},
        {"actSend", 5, QKeySequence(Qt::CTRL | Qt::Key_Return)},
        {"actIntoCfg", 6, {}},
        {"actIntoEntm", 7, {}},
        {"actAskVer", 8, {}},
        {"actSendSms", 9, {}},
    };
    for (const auto& row : rows) {
        auto* action = fixture.find<QAction>(row.name);
        QCOMPARE(action->property("tag").toInt(), row.tag);
        QCOMPARE(action->shortcut(), row.shortcut);
        QCOMPARE(action->parent()->objectName(), QString("actlstDo"));
    }
}

void LayoutTest::menuEntries_data() {
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("visible");
    auto row = [](const char* name, int tag, bool visible) {
        QTest::newRow(name) << tag << visible;
    };
    row("N11", 1, true);
    row("N2", 2, true);
    row("N5", 3, true);
    row("mni_ExportProfile", 24, true);
    row("mni_ImportProfile", 25, true);
    row("N14", 10, true);
    row("mni_SaveLog", 18, true);
    row("mni_TimeStamps", 19, true);
    row("N_Exit", 4, true);
    row("N7", 12, false);
    row("N3", 5, true);
    row("N4", 0, true);
    row("N15", 0, false);
    row("N16", 13, true);
    row("D2D1", 16, true);
    row("N13", 9, true);
    row("N8", 6, true);
    row("N12", 7, false);
    row("N10", 8, false);
    row("Hint_Mouse_Enable", 11, true);
    row("mni_WorkOrder", 17, false);
}

void LayoutTest::menuEntries() {
    QFETCH(int, tag);
    QFETCH(bool, visible);
    WindowFixture fixture;
    auto* entry = fixture.find<QAction>(QTest::currentDataTag());
    QCOMPARE(entry->property("tag").toInt(), tag);
    QCOMPARE(entry->isVisible(), visible);
    const QList<QAction*> top = fixture.window().menuBar()->actions();
    QCOMPARE(top.size(), 4);
    QCOMPARE(top[0]->objectName(), QString("N1"));
    QCOMPARE(top[1]->objectName(), QString("N7"));
    QCOMPARE(top[2]->objectName(), QString("N3"));
    QCOMPARE(top[3]->objectName(), QString("N4"));
}

QObject* NewLayoutTest() {
    return new LayoutTest;
}

#include "layout_test.moc"
