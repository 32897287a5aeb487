// The log as a record that cannot be changed and can be searched, the send
// box's line ends and recall, and what follows a port being opened.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <functional>

#include "form_test.h"
#include "mainwindow/hint_switch.h"
#include "mainwindow/info_area.h"
#include "mainwindow/log_find.h"
#include "mainwindow/log_saving.h"
#include "mainwindow/log_text.h"
#include "mainwindow/text_fit.h"
#include "port_end.h"
#include "widgets/lang_qt.h"
#include "window_fixture.h"

namespace {

QString SelectedText(const dtu::InfoArea& area) {
    return area.textCursor().selectedText();
}

int SelectedLine(const dtu::InfoArea& area) {
    return area.textCursor().block().blockNumber();
}

}  // namespace

class EverydayTest : public QObject {
    Q_OBJECT
private slots:
    void logCannotBeChanged_data();
    void logCannotBeChanged();
    void findWalksTheMatches_data();
    void findWalksTheMatches();
    void controlBytesAreEscapedInTextLogs_data();
    void controlBytesAreEscapedInTextLogs();
    void savedLogSaysWhere();
    void portOpeningSetsOffTheNextDevice();
    void statusBarTellsTheLastAction();
    void sendBoxLineEnds_data();
    void sendBoxLineEnds();
    void lineEndChoiceIsRemembered();
    void upAndDownRecallSentTexts_data();
    void upAndDownRecallSentTexts();
    void hintsWrapAtAboutSixtyColumns_data();
    void hintsWrapAtAboutSixtyColumns();
    void windowHintsAreWrapped();
    void qtOwnTextsFollowTheLanguage();
    void hexDumpLines_data();
    void hexDumpLines();
    void hexViewShowsBlocksAsTheyCame();
    void widthsFitTheirTexts_data();
    void widthsFitTheirTexts();
};

void EverydayTest::logCannotBeChanged_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("typed");
    QTest::newRow("backspace") << QKeySequence(Qt::Key_Backspace) << QString();
    QTest::newRow("delete") << QKeySequence(Qt::Key_Delete) << QString();
    QTest::newRow("select all then a key") << QKeySequence(QKeySequence::SelectAll) << "x";
    QTest::newRow("cut") << QKeySequence(QKeySequence::Cut) << QString();
    QTest::newRow("paste") << QKeySequence(QKeySequence::Paste) << QString();
    QTest::newRow("typing") << QKeySequence() << "typed";
}

void EverydayTest::logCannotBeChanged() {
    QFETCH(QKeySequence, keys);
    QFETCH(QString, typed);
    WindowFixture fixture;
    dtu::InfoArea* area = fixture.window().Info();
    area->ShowRxLine("OK");
    area->Flush();
    const QString before = area->toPlainText();
    area->selectAll();
    if (!keys.isEmpty()) {
        QTest::keySequence(area, keys);
    }
    QTest::keyClicks(area, typed);
    QCOMPARE(area->toPlainText(), before);
    // Selecting and copying still work.
    QVERIFY(area->textInteractionFlags() & Qt::TextSelectableByKeyboard);
}

void EverydayTest::findWalksTheMatches_data() {
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("steps");  // n: next, p: previous
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<int>("highlighted");
    QTest::addColumn<int>("current");  // which match the bar counts; 0: not found
    QTest::newRow("typing finds the first") << "OK"
                                            << "" << QList<int>{1} << 3 << 1;
    QTest::newRow("next in order") << "OK"
                                   << "nn" << QList<int>{1, 3, 5} << 3 << 3;
    QTest::newRow("next wraps to the top") << "OK"
                                           << "nnn" << QList<int>{1, 3, 5, 1} << 3 << 1;
    QTest::newRow("previous wraps to the end") << "OK"
                                               << "p" << QList<int>{1, 5} << 3 << 3;
    QTest::newRow("letter case ignored") << "ok"
                                         << "n" << QList<int>{1, 3} << 3 << 2;
    QTest::newRow("one match stays") << "ERROR"
                                     << "nn" << QList<int>{4, 4, 4} << 1 << 1;
    QTest::newRow("no match") << "CSQ"
                              << "np" << QList<int>{-1, -1, -1} << 0 << 0;
}

void EverydayTest::findWalksTheMatches() {
    QFETCH(QString, wanted);
    QFETCH(QString, steps);
    QFETCH(QList<int>, lines);
    QFETCH(int, highlighted);
    QFETCH(int, current);
    WindowFixture fixture;
    dtu::InfoArea* area = fixture.window().Info();
    area->ClearArea();
    for (const char* line : {"AT+CIVER?", "OK", "AT+CIPR?", "OK", "ERROR", "OK"}) {
        area->ShowInfoLine(line);
    }
    area->Flush();
    dtu::LogFind* find = fixture.window().Find();
    fixture.window().show();
    fixture.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fixture.window()));
    QTest::keySequence(&fixture.window(), QKeySequence::Find);
    QVERIFY(find->isVisible());
    auto* box = fixture.find<QLineEdit>("edt_FindLog");
    QVERIFY(box->hasFocus());
    QTest::keyClicks(box, wanted);
    auto where = [area] { return area->textCursor().hasSelection() ? SelectedLine(*area) : -1; };
    QList<int> seen{where()};
    for (const QChar step : steps) {
        if (step == 'n') {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
        }
        seen << where();
    }
    QCOMPARE(seen, lines);
    if (seen.back() >= 0) {
        QCOMPARE(SelectedText(*area).toUpper(), wanted.toUpper());
    }
    QCOMPARE(area->extraSelections().size(), highlighted);
    QCOMPARE(find->CountText(),
             current == 0
                 ? dtu::Tr(fixture.language(), "lang_Find_NotFound")
                 : dtu::Tr(fixture.language(), "lang_Find_Count").arg(current).arg(highlighted));
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(!find->isVisible());
    QVERIFY(area->extraSelections().isEmpty());
}

void EverydayTest::controlBytesAreEscapedInTextLogs_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("NUL, ESC and BEL")
        << QString::fromUtf8("A\0B\x1b[0m\a", 8) << QByteArray("A\\x00B\\x1B[0m\\x07\n");
    QTest::newRow("DEL and form feed") << QString("\x7f\f") << QByteArray("\\x7F\\x0C\n");
    QTest::newRow("tab and text kept")
        << QString::fromUtf8("a\tb 你") << QByteArray("a\tb \xE4\xBD\xA0\n");
    QTest::newRow("line breaks stay lines") << QString("a\r\nb") << QByteArray("a\nb\n");
}

void EverydayTest::controlBytesAreEscapedInTextLogs() {
    QFETCH(QString, line);
    QFETCH(QByteArray, saved);
    QTemporaryDir dir;
    dtu::InfoArea area(nullptr);
    area.ShowRxLine(line);
    QCOMPARE(area.SaveLog(dir.filePath("log.txt")), QString());
    QFile text(dir.filePath("log.txt"));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QCOMPARE(text.readAll(), saved);
    // The HTML log holds the characters themselves, with their colour.
    QCOMPARE(area.SaveLog(dir.filePath("log.html")), QString());
    QFile html(dir.filePath("log.html"));
    QVERIFY(html.open(QIODevice::ReadOnly));
    QVERIFY(!html.readAll().contains("\\x"));
}

void EverydayTest::savedLogSaysWhere() {
    WindowFixture fixture(false);
    const QString path = QDir(fixture.dir()).filePath("saved.txt");
    fixture.window().Log().SaveTo(path);
    fixture.window().Info()->Flush();
    QVERIFY(QFile::exists(path));
    QVERIFY(fixture.window().Info()->toPlainText().endsWith(
        QString("[Note]: The log was saved to %1\n").arg(path)));
}

void EverydayTest::portOpeningSetsOffTheNextDevice() {
    PortEnd port;
    WindowFixture fixture(false);
    dtu::Tfrm_MainLx1& window = fixture.window();
    dtu::DeviceSession& session = window.Session();
    const QString marker = QString::fromStdString(port.Path()) + " opened";
    auto separators = [&window, &marker] {
        window.Info()->Flush();
        return window.Info()->toPlainText().count(marker);
    };
    QVERIFY(session.OpenPort({port.Path(), "115200", "NONE", "8", "1"}).Opened());
    QCOMPARE(separators(), 1);
    // A second open of the open port (a new UART after write all) is the same device.
    QVERIFY(session.OpenPort({port.Path(), "9600", "NONE", "8", "1"}).Opened());
    QCOMPARE(separators(), 1);
    // F8 in batch work: closed, then opened for the next device.
    session.KeepForReopen({port.Path(), "115200", "NONE", "8", "1"});
    session.ReopenWithSavedSettings();
    QVERIFY(session.PortIsOpen());
    QCOMPARE(separators(), 2);
    session.ClosePort();
    QCOMPARE(separators(), 2);
    // Shown after the open, the window offers reading the device first.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.focusWidget(), fixture.find<QPushButton>("btn_Read"));
}

// Every action's end shows in the status bar, not only a run's: a write refused
// before sending, the port opened and closed, F8 with and without saved
// settings; a language switch words it anew.
void EverydayTest::statusBarTellsTheLastAction() {
    using namespace std::chrono_literals;
    PortEnd first;
    PortEnd second;
    WindowFixture fixture(false);
    dtu::Tfrm_MainLx1& window = fixture.window();
    dtu::DeviceSession& session = window.Session();
    session.SetReplyTimeout(300ms);
    const dtu::TLangList& texts = fixture.language();
    auto* verdict = fixture.find<QLabel>("stat1_verdict");
    auto settings = [](const PortEnd& end) {
        return dtu::PortTexts{end.Path(), "115200", "NONE", "8", "1"};
    };
    auto word = [&texts](const char* key) { return dtu::Tr(texts, key).section('%', 0, 0); };
    auto opened = [&texts](const PortEnd& end, const char* key) {
        return dtu::Tr(texts, key).arg(QString::fromStdString(end.Path()));
    };
    struct Step {
        const char* name;
        std::function<void()> act;
        std::function<QString()> begins;
        bool red;
    };
    const Step steps[] = {
        {"refused before sending",
         [&] {
             fixture.set("edt_Port1", "70000");
             fixture.find<QAction>("actSetAll")->trigger();
             fixture.set("edt_Port1", "2317");
         },
         [&] { return word("lang_Info_WriteRefused") + "Port 1: "; }, true},
        {"port not open", [&] { fixture.find<QAction>("actAskAll")->trigger(); },
         [&] { return dtu::Tr(texts, "lang_Info_ComIsOpen"); }, true},
        {"F8 with nothing saved", [&] { fixture.find<QAction>("N7")->trigger(); },
         [&] { return dtu::Tr(texts, "lang_Info_NoSavedPort"); }, true},
        {"language switch", [&] { fixture.find<QAction>("N3")->trigger(); },
         [&] { return dtu::TrIn(texts, "lang_Info_NoSavedPort", true); }, true},
        {"and back", [&] { fixture.find<QAction>("N3")->trigger(); },
         [&] { return dtu::Tr(texts, "lang_Info_NoSavedPort"); }, true},
        {"new device", [&] { QVERIFY(session.OpenPort(settings(first)).Opened()); },
         [&] { return opened(first, "lang_Status_PortOpened"); }, false},
        {"silent device", [&] { fixture.find<QAction>("actAskAll")->trigger(); },
         [&] {
             return word("lang_Run_NoAnswer") + QString::fromStdString(first.Path()) +
                    ") and its line settings (115200, NONE, 8, 1)";
         },
         true},
        {"reopened with F8",
         [&] {
             session.KeepForReopen(settings(second));
             fixture.find<QAction>("N7")->trigger();
         },
         [&] { return opened(second, "lang_Status_PortOpened"); }, false},
        {"closed", [&] { session.ClosePort(); },
         [&] { return opened(second, "lang_Status_PortClosed"); }, false},
    };
    for (const Step& step : steps) {
        step.act();
        QTRY_VERIFY2_WITH_TIMEOUT(verdict->toolTip().startsWith(step.begins()),
                                  qPrintable(QString("%1: %2").arg(step.name, verdict->toolTip())),
                                  10000);
        QVERIFY2(verdict->styleSheet().contains("red") == step.red, step.name);
    }
    window.Info()->Flush();
    // The silent device's hint follows its verdict.
    QVERIFY(window.Info()->toPlainText().contains(dtu::Tr(texts, "lang_Hint_NoAnswer")));
    // A long verdict is elided at the least size and whole in a wider window.
    steps[0].act();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(verdict->text() != verdict->toolTip());
    window.resize(window.minimumWidth() + 1500, window.height());
    QTRY_COMPARE(verdict->text(), verdict->toolTip());
}

void EverydayTest::sendBoxLineEnds_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("choice");  // item of the line-end box
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("as typed, no end") << "AT+CSQ" << 0 << QByteArray("AT+CSQ");
    QTest::newRow("as typed, Enter is CR LF") << "AT+CSQ\n" << 0 << QByteArray("AT+CSQ\r\n");
    QTest::newRow("CR") << "AT+CSQ" << 1 << QByteArray("AT+CSQ\r");
    QTest::newRow("LF") << "AT+CSQ" << 2 << QByteArray("AT+CSQ\n");
    QTest::newRow("CR LF") << "AT+CSQ" << 3 << QByteArray("AT+CSQ\r\n");
    QTest::newRow("CR ends each typed line") << "AT\nATI\n" << 1 << QByteArray("AT\rATI\r");
}

void EverydayTest::sendBoxLineEnds() {
    QFETCH(QString, typed);
    QFETCH(int, choice);
    QFETCH(QByteArray, sent);
    PortEnd port;
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    QVERIFY(window.Session().OpenPort({port.Path(), "115200", "NONE", "8", "1"}).Opened());
    fixture.find<QComboBox>("cbb_SendLineEnd")->setCurrentIndex(choice);
    auto* box = fixture.find<QPlainTextEdit>("mmo_Send");
    box->setFocus();
    // Typed: Enter in the box is a line break, Ctrl+Enter sends.
    const QStringList lines = typed.split('\n');
    for (qsizetype line = 0; line < lines.size(); ++line) {
        if (line > 0) {
            QTest::keyClick(box, Qt::Key_Return);
        }
        QTest::keyClicks(box, lines[line]);
    }
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(port.Read(), sent);
    window.Session().ClosePort();
}

void EverydayTest::lineEndChoiceIsRemembered() {
    WindowFixture fixture;
    auto* choice = fixture.find<QComboBox>("cbb_SendLineEnd");
    QCOMPARE(choice->currentIndex(), 0);
    QCOMPARE(choice->itemText(0), dtu::Tr(fixture.language(), "lang_SendEol_AsTyped"));
    choice->setCurrentIndex(3);
    fixture.reopen();
    QCOMPARE(fixture.find<QComboBox>("cbb_SendLineEnd")->currentIndex(), 3);
    QVERIFY(fixture.settingsFile().contains("SendLineEnd=crlf"));
}

void EverydayTest::upAndDownRecallSentTexts_data() {
    QTest::addColumn<QString>("keys");  // u: Up, d: Down, x: type "x"
    QTest::addColumn<QString>("shown");
    QTest::newRow("up: the last sent") << "u"
                                       << "third";
    QTest::newRow("up twice: the one before") << "uu"
                                              << "second";
    QTest::newRow("up stops at the oldest") << "uuuu"
                                            << "first";
    QTest::newRow("down goes back") << "uud"
                                    << "third";
    QTest::newRow("down past the newest empties") << "ud"
                                                  << "";
    QTest::newRow("down first does nothing") << "d"
                                             << "";
    QTest::newRow("a typed text stays") << "xu"
                                        << "x";
}

void EverydayTest::upAndDownRecallSentTexts() {
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    WindowFixture fixture;
    dtu::Tfrm_MainLx1& window = fixture.window();
    auto* box = fixture.find<QPlainTextEdit>("mmo_Send");
    window.show();
    // Sent while no port is open: refused, but what was typed is kept all the same.
    for (const char* text : {"first", "second", "second", "third"}) {
        box->setPlainText(text);
        fixture.find<QAction>("actSend")->trigger();
    }
    box->clear();
    box->setFocus();
    for (const QChar key : keys) {
        if (key == 'x') {
            QTest::keyClicks(box, "x");
        } else {
            QTest::keyClick(box, key == 'u' ? Qt::Key_Up : Qt::Key_Down);
        }
    }
    QCOMPARE(box->toPlainText(), shown);
}

void EverydayTest::hintsWrapAtAboutSixtyColumns_data() {
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("wrapped");
    QTest::newRow("short stays") << "Factory Reset" << 20 << "Factory Reset";
    QTest::newRow("at the last blank") << "aaa bbb ccc ddd" << 8 << "aaa bbb\nccc ddd";
    QTest::newRow("exactly full stays") << "aaaa bbbb" << 9 << "aaaa bbbb";
    QTest::newRow("word longer than a line") << "abcdefghij" << 4 << "abcd\nefgh\nij";
    QTest::newRow("CJK counts two")
        << QString::fromUtf8("勾选表示启用") << 6 << QString::fromUtf8("勾选表\n示启用");
    QTest::newRow("between CJK and ASCII") << QString::fromUtf8("启用第1路网络连接") << 8
                                           << QString::fromUtf8("启用第1\n路网络连\n接");
    QTest::newRow("line breaks kept") << "ab\ncd" << 60 << "ab\ncd";
}

void EverydayTest::hintsWrapAtAboutSixtyColumns() {
    QFETCH(QString, hint);
    QFETCH(int, columns);
    QFETCH(QString, wrapped);
    QCOMPARE(dtu::WrapHint(hint, columns), wrapped);
}

void EverydayTest::windowHintsAreWrapped() {
    for (const bool chinese : {true, false}) {
        WindowFixture fixture(chinese);
        int wrapped = 0;
        for (QWidget* control : fixture.window().findChildren<QWidget*>()) {
            const QString hint = control->toolTip();
            for (const QString& line : hint.split('\n')) {
                QVERIFY2(line.size() <= 60, qPrintable(line));
            }
            wrapped += hint.contains('\n') ? 1 : 0;
        }
        QVERIFY(wrapped > 0);
        // The socket boxes' captions are alike; hint and name tell them apart.
        for (const QString socket : {"1", "2", "3", "4"}) {
            QWidget* box = fixture.find("chk_NetPort" + socket);
            QVERIFY(box->toolTip().contains(socket));
            QCOMPARE(box->accessibleName(),
                     dtu::Tr(fixture.language(), "lang_Lbl_Enable").simplified() + ' ' + socket);
        }
    }
    // Nothing of the hint is lost on the way.
    WindowFixture english(false);
    QCOMPARE(english.find("edt_RegFormat")->toolTip().replace('\n', ' '),
             dtu::Tr(english.language(), "lang_Hint_edt_RegFormat"));
}

void EverydayTest::qtOwnTextsFollowTheLanguage() {
    auto yes = [] {
        QMessageBox box(QMessageBox::NoIcon, "", "", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    };
    {
        WindowFixture fixture(true);
        QVERIFY(fixture.window().QtOwnTexts().Chinese());
        QVERIFY2(yes().contains(QString::fromUtf8("是")), qPrintable(yes()));
        fixture.find<QAction>("N3")->trigger();
        QCOMPARE(yes(), QString("&Yes"));
        fixture.find<QAction>("N3")->trigger();
        QVERIFY(yes().contains(QString::fromUtf8("是")));
    }
    WindowFixture english(false);
    QVERIFY(!english.window().QtOwnTexts().Chinese());
    QCOMPARE(yes(), QString("&Yes"));
}

void EverydayTest::hexDumpLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("reply") << QByteArray("\r\nOK\r\n", 6)
                           << QStringList{"0000  0D 0A 4F 4B 0D 0A" + QString(2 * 3, ' ') +
                                          "  ..OK.."};
    QTest::newRow("noise and GBK are dots")
        << QByteArray("\x00\xFF\xB2\xE2~", 5)
        << QStringList{"0000  00 FF B2 E2 7E" + QString(3 * 3, ' ') + "  ....~"};
    QTest::newRow("nine bytes: two lines") << QByteArray("01234567G")
                                           << QStringList{"0000  30 31 32 33 34 35 36 37  01234567",
                                                          "0008  47" + QString(7 * 3, ' ') + "  G"};
}

void EverydayTest::hexDumpLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(dtu::HexDumpLines(bytes), lines);
}

void EverydayTest::hexViewShowsBlocksAsTheyCame() {
    PortEnd port;
    WindowFixture fixture(false);
    dtu::Tfrm_MainLx1& window = fixture.window();
    QVERIFY(window.Session().OpenPort({port.Path(), "115200", "NONE", "8", "1"}).Opened());
    auto* hex = fixture.find<QCheckBox>("chk_HexView");
    QCOMPARE(hex->text(), QString("Hex"));
    QVERIFY(port.Write("first"));
    QTRY_VERIFY(window.Info()->toPlainText().contains("first"));
    QVERIFY(!window.Info()->toPlainText().contains("0000  "));
    hex->setChecked(true);
    QVERIFY(
        port.Write(QByteArray("\xFE\x00"
                              "A",
                              3)));
    QTRY_VERIFY(window.Info()->toPlainText().contains("0000  FE 00 41"));
    window.Session().ClosePort();
}

void EverydayTest::widthsFitTheirTexts_data() {
    QTest::addColumn<bool>("chinese");
    QTest::newRow("Chinese") << true;
    QTest::newRow("English") << false;
}

void EverydayTest::widthsFitTheirTexts() {
    QFETCH(bool, chinese);
    WindowFixture fixture(chinese);
    dtu::Tfrm_MainLx1& window = fixture.window();
    fixture.find<QPushButton>("btn_ShowMore")->click();  // full view: every row shown
    for (QComboBox* box : window.findChildren<QComboBox*>()) {
        // Socket 5's box is never shown.
        if (box->isHidden()) {
            continue;
        }
        QStringList items;
        for (int item = 0; item < box->count(); ++item) {
            items << box->itemText(item);
        }
        QVERIFY2(dtu::ComboWidthFor(*box, items) <= box->width(),
                 qPrintable(box->objectName() + ": " + items.join(", ")));
    }
    for (const char* name : {"edt_RegFormat", "edt_HeartbeatFormat"}) {
        auto* edit = fixture.find<QLineEdit>(name);
        QVERIFY2(dtu::EditWidthFor(*edit, "4C4F47494E3A31303031") <= edit->width(), name);
    }
    // Nothing sticks out of its page, and the packet rows do not overlap.
    QWidget* page = fixture.find("rztbshtTabSheet_DataTran");
    for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisibleTo(page)) {
            QVERIFY2(control->geometry().right() < page->width(),
                     qPrintable(control->objectName()));
        }
    }
    for (const auto& [edit, hex, target] :
         {std::array<const char*, 3>{"edt_RegFormat", "chk_RegFormat", "cbb_RegMode"},
          std::array<const char*, 3>{"edt_HeartbeatFormat", "chk_HeartbeatFormat",
                                     "cbb_HeartbeatTo"}}) {
        QVERIFY(fixture.find(edit)->geometry().right() < fixture.find(hex)->x());
        QVERIFY(fixture.find(hex)->x() + fixture.find(hex)->sizeHint().width() <=
                fixture.find(target)->x());
    }
    // The window is no smaller than designed, and its regions do not overlap.
    QVERIFY(window.minimumWidth() >= dtu::Tfrm_MainLx1::kClientWidth);
    QVERIFY(fixture.find("rzpgcntrl_WorkMode")->geometry().right() < fixture.find("grp_Info")->x());
    QCOMPARE(fixture.find("btn_Send")->geometry().right(),
             fixture.find("grp_Send")->geometry().right());
}

QObject* NewEverydayTest() {
    return new EverydayTest;
}

#include "everyday_test.moc"
