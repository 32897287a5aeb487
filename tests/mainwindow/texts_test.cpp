// The language texts on the window, the language switch, the hint switch and
// the settings kept at close.
#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <algorithm>

#include "form_test.h"
#include "lang/lang_list.h"
#include "mainwindow/form_binder.h"
#include "mainwindow/info_area.h"
#include "mainwindow/named_controls.h"
#include "settings/ini_file.h"
#include "shell/version_string.h"
#include "widgets/web_address.h"
#include "window_fixture.h"

namespace {

const QStringList kChineseUsage = {
    "一般操作流程:",    "1、模块连PC串口,上电;",          "2、打开串口;",
    "3、读取设备配置;", "4、选择工作模式及配置相关参数;", "5、配置全部参数."};
const QStringList kEnglishUsage = {"General operation process:",
                                   "1,Module connect to PC serial port;",
                                   "2,Open the serial port;",
                                   "3,Read Dev Config;",
                                   "4,Choose work mode and configure related parameters;",
                                   "5,Write All."};

QStringList UsageLines(dtu::InfoArea* area) {
    QStringList usage;
    for (const QString& line : area->toPlainText().split(u'\n')) {
        if (kChineseUsage.contains(line) || kEnglishUsage.contains(line)) {
            usage << line;
        }
    }
    return usage;
}

// Counts the hover-hint requests that reach a widget.
class ToolTipCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            ++count;
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

class TextsTest : public QObject {
    Q_OBJECT
private slots:
    void titleCarriesVersionInBothLanguages();
    void switchKeepsSelectionsAndRetextsItems();
    void usageLinesOnEverySwitch();
    void hintsAndCaptionsFromTable();
    void everyTableNamesControlsTheWindowHas();
    void binderLeavesOutAControlOfAnotherClass();
    void hintSwitchSwallowsToolTips();
    void quitSavesLanguageAndHints();
    void menuEntriesCallTheShell();
    void customSettingHidesHelp();
    void onlyWebAddressesAreOpened_data();
    void onlyWebAddressesAreOpened();
};

void TextsTest::titleCarriesVersionInBothLanguages() {
    WindowFixture fixture;
    const QString expected = "Brantec-GPRS-DTU V" + QString::fromStdString(dtu::GetVersionString());
    QCOMPARE(fixture.window().windowTitle(), expected);
    QCOMPARE(fixture.find<QAction>("N3")->text(), QString("English(&L)"));
    fixture.find<QAction>("N3")->trigger();
    QCOMPARE(fixture.window().windowTitle(), expected);
    QCOMPARE(fixture.find<QAction>("N3")->text(), QString("Chinese(&L)"));
    QCOMPARE(fixture.find<QAction>("N1")->text(), QString("File(&F)"));
}

void TextsTest::switchKeepsSelectionsAndRetextsItems() {
    WindowFixture fixture;
    auto* apn = fixture.find<QComboBox>("cbb_APN");
    auto* workMode = fixture.find<QComboBox>("cbb_WorkMode");
    apn->setCurrentIndex(2);
    workMode->setCurrentIndex(3);
    int dialogTexts = 0;
    fixture.window().applyDialogTexts = [&dialogTexts] { ++dialogTexts; };
    fixture.find<QAction>("N3")->trigger();
    QCOMPARE(apn->currentIndex(), 2);
    QCOMPARE(apn->currentText(), QString("Other"));
    QCOMPARE(apn->count(), 3);
    QCOMPARE(workMode->currentIndex(), 3);
    QCOMPARE(workMode->currentText(), QString("Httpd Client mode"));
    QCOMPARE(workMode->count(), 5);
    QCOMPARE(dialogTexts, 1);
    QVERIFY(!fixture.language().IsChinese);
    fixture.find<QAction>("N3")->trigger();
    QCOMPARE(apn->currentText(), QString("其他"));
    QCOMPARE(workMode->currentText(), QString("Httpd Client模式"));
}

void TextsTest::usageLinesOnEverySwitch() {
    WindowFixture fixture;
    dtu::InfoArea* area = fixture.window().Info();
    QCOMPARE(UsageLines(area), kChineseUsage);
    fixture.find<QAction>("N3")->trigger();
    fixture.find<QAction>("N3")->trigger();
    QCOMPARE(UsageLines(area), kChineseUsage + kEnglishUsage + kChineseUsage);
}

void TextsTest::hintsAndCaptionsFromTable() {
    WindowFixture fixture(false);
    QCOMPARE(fixture.find("btn_Default")->toolTip(), QString("Factory Reset :AT+CIRELOAD<CR>"));
    QCOMPARE(fixture.find("btn_ENTM")->toolTip(), fixture.find("btn_PPPA")->toolTip());
    QCOMPARE(fixture.find<QAction>("N_Exit")->text(), QString("Exit"));
    QCOMPARE(fixture.find("chk_D2DEnable")->property("text").toString(),
             QString("Use Velkor-D2D "));
    QCOMPARE(fixture.find("lbledtCloud_label")->property("text").toString(),
             QString("Cloud Dev Number"));
    QCOMPARE(fixture.find("btn_PPPA")->property("text").toString(), QString("+++A"));
    QCOMPARE(fixture.find<QComboBox>("cbb_RegMode")->itemText(1), QString("Data With ID      "));
}

// A text or field row naming a control the layout never created is reported
// when the window is built.
void TextsTest::everyTableNamesControlsTheWindowHas() {
    QTest::failOnWarning(QRegularExpression("^no control named"));
    for (const bool chinese : {true, false}) {
        WindowFixture fixture(chinese);
        fixture.find<QAction>("N3")->trigger();
    }
}

// A field whose name is carried by a control of another class is reported as
// missing rather than cast to the class its kind needs.
void TextsTest::binderLeavesOutAControlOfAnotherClass() {
    QLabel label;
    label.setObjectName("edt_IP1");
    QLineEdit edit;
    edit.setObjectName("edt_Port1");
    dtu::NamedControls named;
    named.Record(&label);
    named.Record(&edit);
    dtu::FormModel model;
    dtu::FormBinder binder(nullptr, named, model);

    QCOMPARE(binder.Control(dtu::Field::Socket1Host), nullptr);
    QVERIFY(std::ranges::count(named.Missing(), "edt_IP1") == 1);
    edit.setText("6060");
    QCOMPARE(model.Text(dtu::Field::Socket1Port), std::string("6060"));
}

void TextsTest::hintSwitchSwallowsToolTips() {
    WindowFixture fixture;
    auto* entry = fixture.find<QAction>("Hint_Mouse_Enable");
    QWidget* target = fixture.find("edt_IP1");
    ToolTipCounter counter;
    target->installEventFilter(&counter);
    auto askForHint = [target] {
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), target->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(target, &help);
    };
    QVERIFY(entry->isChecked());
    askForHint();
    QCOMPARE(counter.count, 1);
    entry->trigger();
    QVERIFY(!entry->isChecked());
    askForHint();
    QCOMPARE(counter.count, 1);
    entry->trigger();
    QVERIFY(entry->isChecked());
    askForHint();
    QCOMPARE(counter.count, 2);
}

void TextsTest::quitSavesLanguageAndHints() {
    WindowFixture fixture;
    fixture.find<QAction>("N3")->trigger();
    fixture.find<QAction>("Hint_Mouse_Enable")->trigger();
    fixture.window().close();
    fixture.window().SaveSettingsOnQuit();
    const dtu::IniFile saved((fixture.dir() + "/Lx1Cfg.ini").toStdString());
    QCOMPARE(saved.ReadBool("SYS", "Lang", true), false);
    QCOMPARE(saved.ReadBool("SYS", "RealTimeHelp", true), false);
    QCOMPARE(saved.ReadString("SYS", "Custom", "absent"), std::string("absent"));
}

void TextsTest::menuEntriesCallTheShell() {
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    QStringList calls;
    window.showAbout = [&calls] { calls << "about"; };
    window.showLoginWindow = [&calls] { calls << "login"; };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fixture.find<QAction>("N8")->trigger();
    QCOMPARE(calls, QStringList({"about"}));
    fixture.find<QAction>("N14")->trigger();
    QCOMPARE(calls, QStringList({"about", "login"}));
    QVERIFY(!window.isVisible());
    QVERIFY(!window.Session().PortIsOpen());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The shell ends the run, and saves, once the window has closed.
    fixture.find<QAction>("N_Exit")->trigger();
    QVERIFY(!window.isVisible());
}

void TextsTest::customSettingHidesHelp() {
    WindowFixture plain;
    QVERIFY(!plain.window().IsCustom());
    QVERIFY(plain.find<QAction>("N4")->isVisible());
    WindowFixture custom(true, "Custom=1\nRealTimeHelp=0\n");
    QVERIFY(custom.window().IsCustom());
    QVERIFY(!custom.find<QAction>("N4")->isVisible());
    QVERIFY(!custom.find<QAction>("Hint_Mouse_Enable")->isChecked());
}

// Receives the addresses the desktop's opener would be given.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void open(const QUrl& url) { urls << url.toString(); }
};

void TextsTest::onlyWebAddressesAreOpened_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("opened");
    QTest::newRow("https") << "https://velkor.example.com/en/support" << true;
    QTest::newRow("http") << "http://velkor.example.com" << true;
    QTest::newRow("upper-case scheme") << "HTTPS://velkor.example.com" << true;
    QTest::newRow("mailto") << "mailto:support@velkor.example.com" << true;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("bare path") << "/usr/bin/xterm" << false;
    QTest::newRow("other scheme") << "smb://host/share" << false;
    QTest::newRow("http without host") << "http:///etc/passwd" << false;
    QTest::newRow("empty mailto") << "mailto:" << false;
    QTest::newRow("empty") << "" << false;
}

void TextsTest::onlyWebAddressesAreOpened() {
    QFETCH(QString, address);
    QFETCH(bool, opened);
    OpenedUrls seen;
    const QStringList schemes = {"http", "https", "mailto", "file", "smb"};
    for (const QString& scheme : schemes) {
        QDesktopServices::setUrlHandler(scheme, &seen, "open");
    }
    dtu::OpenWebAddress(address);
    for (const QString& scheme : schemes) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
    QCOMPARE(seen.urls.size(), opened ? 1 : 0);
    QCOMPARE(dtu::IsWebAddress(QUrl(address)), opened);
}

QObject* NewTextsTest() {
    return new TextsTest;
}

#include "texts_test.moc"
