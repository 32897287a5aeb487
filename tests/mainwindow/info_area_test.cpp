// The rules of the information area: colours, line breaks, the line limit,
// clearing, appending at the end and following the newest line.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "form_test.h"
#include "mainwindow/info_area.h"
#include "mainwindow/log_saving.h"
#include "window_fixture.h"

namespace {

QColor LineColour(const dtu::InfoArea& area, int line) {
    const QTextBlock block = area.document()->findBlockByNumber(line);
    return block.begin().fragment().charFormat().foreground().color();
}

// Colour of the text after the time stamp of `line`.
QColor ColourAfterStamp(const dtu::InfoArea& area, int line) {
    const QTextBlock block = area.document()->findBlockByNumber(line);
    auto fragment = block.begin();
    ++fragment;
    return fragment.fragment().charFormat().foreground().color();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text of the next message box, which it then closes.
void ReadNextMessage(QString& text) {
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ReadNextMessage(text);
            return;
        }
        text = box->text();
        box->accept();
    });
}

}  // namespace

class InfoAreaTest : public QObject {
    Q_OBJECT
private slots:
    void coloursPerWriter();
    void lineBreaksInsideTextStartLines_data();
    void lineBreaksInsideTextStartLines();
    void windowWritersConvertGbk();
    void lineLimitStartsAfresh();
    void blockOverTheLimitStartsAfreshToo();
    void clearLabelEmptiesArea();
    void appendsAtEndWhateverTheSelection();
    void followsNewestLine();
    void timeStampsPrefixEachLine();
    void savedLogBytes_data();
    void savedLogBytes();
    void savedHtmlKeepsTheColours();
    void failedSaveIsReported();
};

void InfoAreaTest::coloursPerWriter() {
    dtu::InfoArea area(nullptr);
    area.ShowTxLine("tx");
    area.ShowRxLine("rx");
    area.ShowErrorLine("error");
    area.ShowInfoLine("info");
    area.Flush();
    QCOMPARE(LineColour(area, 0), QColor(0, 0, 255));
    QCOMPARE(LineColour(area, 1), QColor(0, 128, 0));
    QCOMPARE(LineColour(area, 2), QColor(255, 0, 0));
    QCOMPARE(LineColour(area, 3), area.palette().color(QPalette::WindowText));
}

void InfoAreaTest::lineBreaksInsideTextStartLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("lines");
    QTest::newRow("sent line with CR LF") << "AT+CIVER?\r\n"
                                          << "AT+CIVER?\n\n"
                                          << 2;
    QTest::newRow("plain") << "OK"
                           << "OK\n"
                           << 1;
    QTest::newRow("reply block") << "\r\n+CIVER:1.2\r\n\r\nOK\r\n"
                                 << "\n+CIVER:1.2\n\nOK\n\n"
                                 << 5;
    QTest::newRow("lone CR and LF") << "a\rb\nc"
                                    << "a\nb\nc\n"
                                    << 3;
    QTest::newRow("empty") << ""
                           << "\n"
                           << 1;
}

void InfoAreaTest::lineBreaksInsideTextStartLines() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(int, lines);
    dtu::InfoArea area(nullptr);
    area.ShowRxLine(text);
    QCOMPARE(area.toPlainText(), shown);
    QCOMPARE(area.LineCount(), lines);
}

void InfoAreaTest::windowWritersConvertGbk() {
    WindowFixture fixture;
    dtu::InfoArea* area = fixture.window().Info();
    area->ClearArea();
    fixture.window().ShowErrorLine("\xC4\xE3\xBA\xC3");  // two Chinese characters in GBK
    fixture.window().ShowErrorLine("\xB4\xED");
    QCOMPARE(area->toPlainText(), QString("你好\n错\n"));
    QCOMPARE(LineColour(*area, 0), QColor(255, 0, 0));
    QCOMPARE(LineColour(*area, 1), QColor(255, 0, 0));
}

void InfoAreaTest::lineLimitStartsAfresh() {
    dtu::InfoArea area(nullptr);
    for (int i = 1; i < dtu::InfoArea::kMaxLines; ++i) {
        area.ShowInfoLine(QString::number(i));
    }
    QCOMPARE(area.LineCount(), dtu::InfoArea::kMaxLines - 1);
    area.ShowInfoLine("the last line");
    QCOMPARE(area.LineCount(), 0);
    QVERIFY(area.toPlainText().isEmpty());
    area.ShowErrorLine("first of a fresh area");
    QCOMPARE(area.toPlainText(), QString("first of a fresh area\n"));
    QCOMPARE(LineColour(area, 0), QColor(255, 0, 0));
}

void InfoAreaTest::blockOverTheLimitStartsAfreshToo() {
    dtu::InfoArea area(nullptr);
    for (int i = 1; i < dtu::InfoArea::kMaxLines; ++i) {
        area.ShowInfoLine(QString::number(i));
    }
    area.ShowRxLine("OK\r\n");  // from 65534 to 65536 lines
    QCOMPARE(area.LineCount(), 0);
    area.ShowRxLine("next");
    QCOMPARE(area.toPlainText(), QString("next\n"));
}

void InfoAreaTest::clearLabelEmptiesArea() {
    WindowFixture fixture;
    fixture.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.window()));
    dtu::InfoArea* area = fixture.window().Info();
    QVERIFY(!area->toPlainText().isEmpty());
    auto* clear = fixture.find<QLabel>("lbl_ClearInfo");
    QTest::mouseClick(clear, Qt::LeftButton, {}, clear->rect().center());
    QVERIFY(area->toPlainText().isEmpty());
    area->ShowTxLine("AT");
    QCOMPARE(area->toPlainText(), QString("AT\n"));
}

void InfoAreaTest::appendsAtEndWhateverTheSelection() {
    dtu::InfoArea area(nullptr);
    area.ShowInfoLine("first");
    area.ShowInfoLine("second");
    area.Flush();
    QTextCursor selection(area.document());
    selection.setPosition(1);
    selection.setPosition(4, QTextCursor::KeepAnchor);
    area.setTextCursor(selection);
    area.ShowTxLine("third");
    area.Flush();
    QCOMPARE(area.toPlainText(), QString("first\nsecond\nthird\n"));
    QCOMPARE(area.textCursor().selectedText(), QString("irs"));
}

void InfoAreaTest::followsNewestLine() {
    dtu::InfoArea area(nullptr);
    area.resize(335, 389);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    for (int i = 0; i < 200; ++i) {
        area.ShowRxLine(QString("line %1").arg(i));
    }
    QScrollBar* bar = area.verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    QTRY_COMPARE(bar->value(), bar->maximum());
    bar->setValue(0);
    area.ShowRxLine("newest");
    QTRY_COMPARE(bar->value(), bar->maximum());
    QVERIFY(bar->value() > 0);
}

void InfoAreaTest::timeStampsPrefixEachLine() {
    dtu::InfoArea area(nullptr);
    area.SetClock([] { return QTime(9, 5, 7, 42); });
    area.ShowInfoLine("before");
    area.SetTimeStamps(true);
    area.ShowTxLine("AT+CIVER?\r\n");
    area.ShowRxLine("OK");
    // A hex block's stamp stands above its rows, which keep their columns.
    area.ShowHexBlock(QByteArray("0123456789"));
    area.SetTimeStamps(false);
    area.ShowErrorLine("after");
    area.Flush();
    QCOMPARE(area.toPlainText(),
             QString("before\n[09:05:07.042] AT+CIVER?\n\n[09:05:07.042] OK\n[09:05:07.042] \n"
                     "0000  30 31 32 33 34 35 36 37  01234567\n"
                     "0008  38 39                    89\nafter\n"));
    QCOMPARE(LineColour(area, 1), dtu::InfoArea::kStampColour);
    QCOMPARE(ColourAfterStamp(area, 1), QColor(0, 0, 255));
    QCOMPARE(ColourAfterStamp(area, 3), QColor(0, 128, 0));
    QCOMPARE(LineColour(area, 7), QColor(255, 0, 0));
}

void InfoAreaTest::savedLogBytes_data() {
    QTest::addColumn<bool>("stamps");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plain") << false
                           << QByteArray(
                                  "AT+CIVER?\n\n\n+CIVER:V1.2\n\nOK\n\n\xE4\xBD\xA0\xE5\xA5\xBD\n");
    QTest::newRow("time stamps") << true
                                 << QByteArray(
                                        "[23:59:59.999] AT+CIVER?\n\n[23:59:59.999] \n"
                                        "+CIVER:V1.2\n\nOK\n\n[23:59:59.999] "
                                        "\xE4\xBD\xA0\xE5\xA5\xBD\n");
}

void InfoAreaTest::savedLogBytes() {
    QFETCH(bool, stamps);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    dtu::InfoArea area(nullptr);
    area.SetClock([] { return QTime(23, 59, 59, 999); });
    area.SetTimeStamps(stamps);
    area.ShowTxLine("AT+CIVER?\r\n");
    area.ShowRxLine("\r\n+CIVER:V1.2\r\n\r\nOK\r\n");
    area.ShowInfoLine("你好");
    const QString path = dir.filePath("log.txt");
    QCOMPARE(area.SaveLog(path), QString());
    QCOMPARE(ReadAll(path), bytes);
}

void InfoAreaTest::savedHtmlKeepsTheColours() {
    QTemporaryDir dir;
    dtu::InfoArea area(nullptr);
    area.SetClock([] { return QTime(8, 0); });
    area.SetTimeStamps(true);
    area.ShowTxLine("AT");
    area.ShowRxLine("OK");
    area.ShowErrorLine("错误");
    const QString path = dir.filePath("log.HTML");
    QCOMPARE(area.SaveLog(path), QString());
    const QString html = QString::fromUtf8(ReadAll(path));
    QVERIFY(html.contains("charset=\"utf-8\""));
    for (const char* coloured :
         {"color:#808080;\">[08:00:00.000] </span><span style=\" color:#0000ff;\">AT",
          "color:#008000;\">OK", "color:#ff0000;\">错误"}) {
        QVERIFY2(html.contains(QString::fromUtf8(coloured)), coloured);
    }
}

void InfoAreaTest::failedSaveIsReported() {
    WindowFixture fixture;
    const QDir dir(fixture.dir());
    QVERIFY(dir.mkdir("folder.txt"));
    for (const QString& path :
         {dir.filePath("no-such-folder/log.txt"), dir.filePath("folder.txt")}) {
        QString message;
        ReadNextMessage(message);
        fixture.window().Log().SaveTo(path);
        const QString lead = QString("日志未能保存到 %1：").arg(path);
        QVERIFY2(message.startsWith(lead), qPrintable(message));
        // The system's reason follows.
        QVERIFY(message.size() > lead.size());
    }
}

QObject* NewInfoAreaTest() {
    return new InfoAreaTest;
}

#include "info_area_test.moc"
