// The File menu's export and import of the form as a profile file.
#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "cli/profile_check.h"
#include "form/write_lines.h"
#include "form_test.h"
#include "mainwindow/info_area.h"
#include "window_fixture.h"

namespace {

// Chooses `path` in the profile dialog as soon as it shows, or cancels it when
// `path` is empty; `title` records the dialog's caption.
void ChooseWhenShown(const QString& path, QString& title) {
    QTimer::singleShot(0, [path, &title] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ChooseWhenShown(path, title);
            return;
        }
        title = dialog->windowTitle();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ProfileTest : public QObject {
    Q_OBJECT
private slots:
    void exportThenImportRestoresFormModeAndView();
    void cancelledOrUnreadableImportLeavesTheForm();
    void exportWithThePasswordIsOwnerOnly_data();
    void exportWithThePasswordIsOwnerOnly();
    void importRefusesWhatTheCommandLineRefuses();
    void bothFrontEndsTakeTheSavedSettings();
};

void ProfileTest::exportThenImportRestoresFormModeAndView() {
    WindowFixture fixture(false);
    const QString path = QDir(fixture.dir()).filePath("factory.ini");
    fixture.set("edt_IP1", "a.example");
    fixture.set("cbb_WorkMode", "3");
    fixture.set("edt_IP5", "http.example");
    if (fixture.window().Session().Form().View() != 1) {
        fixture.find<QPushButton>("btn_ShowMore")->click();
    }
    QString title;
    ChooseWhenShown(path, title);
    fixture.find<QAction>("mni_ExportProfile")->trigger();
    QCOMPARE(title, QString("Export Profile..."));
    const QByteArray bytes = FileBytes(path);
    QVERIFY(bytes.startsWith("[COMMON]\nWorkMode=3\nView=1\nAPN Index=0\n"));
    QVERIFY(bytes.contains("\nIP1=a.example\n"));
    QVERIFY(fixture.window().Info()->toPlainText().contains(
        "[Note]: The form was exported to the profile " + path));

    fixture.set("edt_IP1", "b.example");
    fixture.set("cbb_WorkMode", "0");
    fixture.find<QPushButton>("btn_ShowMore")->click();
    QCOMPARE(fixture.window().Session().Form().View(), 0);
    ChooseWhenShown(path, title);
    fixture.find<QAction>("mni_ImportProfile")->trigger();
    QCOMPARE(title, QString("Import Profile..."));
    QCOMPARE(fixture.shown("edt_IP1"), QString("a.example"));
    QCOMPARE(fixture.shown("edt_IP5"), QString("http.example"));
    QCOMPARE(fixture.window().Session().Form().Item(dtu::Field::WorkMode), 3);
    QCOMPARE(ReadForm(fixture.window()).View(), 1);
    QVERIFY(fixture.find("edt_IP2")->isHidden());
    QVERIFY(fixture.window().Info()->toPlainText().contains(
        "[Note]: The form was imported from the profile " + path));
}

void ProfileTest::cancelledOrUnreadableImportLeavesTheForm() {
    WindowFixture fixture(false);
    fixture.set("edt_IP1", "kept.example");
    const QString before = fixture.window().Info()->toPlainText();
    QString title;
    ChooseWhenShown(QString(), title);
    fixture.find<QAction>("mni_ImportProfile")->trigger();
    QCOMPARE(fixture.shown("edt_IP1"), QString("kept.example"));
    QCOMPARE(fixture.window().Info()->toPlainText(), before);

    // Read as a settings file, a file that cannot be read would give every default.
    const QString pipe = QDir(fixture.dir()).filePath("pipe.ini");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ChooseWhenShown(pipe, title);
    fixture.find<QAction>("mni_ImportProfile")->trigger();
    QCOMPARE(fixture.shown("edt_IP1"), QString("kept.example"));
    QVERIFY(fixture.window().Info()->toPlainText().contains("[Error]: Cannot read the profile " +
                                                            pipe));
}

void ProfileTest::exportWithThePasswordIsOwnerOnly_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<uint>("mode");
    QTest::newRow("password") << QString("12345678") << 0600u;
    QTest::newRow("none") << QString() << 0644u;
}

void ProfileTest::exportWithThePasswordIsOwnerOnly() {
    QFETCH(QString, password);
    QFETCH(uint, mode);
    WindowFixture fixture(false);
    const QString path = QDir(fixture.dir()).filePath("cloud.ini");
    fixture.set("lbledtPswd", password);
    const mode_t previousMask = umask(022);
    QString title;
    ChooseWhenShown(path, title);
    fixture.find<QAction>("mni_ExportProfile")->trigger();
    umask(previousMask);
    struct stat info {};
    QCOMPARE(stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(static_cast<uint>(info.st_mode & 07777), mode);
    QVERIFY(FileBytes(path).contains("\nCloudPassword=" + password.toUtf8() + "\n"));
}

// Each line the command line refuses a profile with, as far as the reason: the
// window words the reasons in its own language.
QStringList RefusedPlaces(const std::string& refused) {
    QStringList places;
    for (const QString& line : QString::fromStdString(refused).split('\n')) {
        places.append(line.left(line.lastIndexOf(": ")));
    }
    return places;
}

// A profile the command line refuses is not imported: the log names the same
// lines, and the form keeps its values.
void ProfileTest::importRefusesWhatTheCommandLineRefuses() {
    WindowFixture fixture(false);
    fixture.set("edt_IP1", "kept.example");
    const QString path = QDir(fixture.dir()).filePath("odd.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "[COMMON]\nWorkMode=9\nView=0\n[DTM]\nProtocol2=UDP\nEnable1=yes\nPort3=70000\n"
        "IP1=a\nip1=b\n");
    file.close();
    dtu::FormModel fromCli;
    const auto refused = dtu::cli::LoadProfileFile(path.toStdString(), fromCli, std::nullopt);
    QVERIFY(refused.has_value());
    QString title;
    ChooseWhenShown(path, title);
    fixture.find<QAction>("mni_ImportProfile")->trigger();
    const QString log = fixture.window().Info()->toPlainText();
    QVERIFY2(log.contains("[Error]: The profile " + path +
                          " was not imported; it has these problems\n[Error]: " + path +
                          ":2: COMMON/WorkMode=9: choose an item of its list\n"),
             qPrintable(log));
    QVERIFY(log.contains("[Error]: " + path + ":6: DTM/Enable1=yes: 1 or 0\n"));
    QVERIFY(log.contains("[Error]: " + path + ": DTM/ip1 is given twice, on lines 8 and 9"));
    const QStringList places = RefusedPlaces(*refused);
    QCOMPARE(places.size(), 5);
    for (const QString& place : places) {
        QVERIFY2(log.contains("[Error]: " + place + ": "), qPrintable(place));
    }
    QVERIFY(!log.contains("[Note]"));
    QCOMPARE(fixture.shown("edt_IP1"), QString("kept.example"));
    QCOMPARE(fixture.window().Session().Form().Item(dtu::Field::WorkMode), 0);
}

// The settings file the window saved, taken as a profile by the command line
// and imported by the window, gives the same lines.
void ProfileTest::bothFrontEndsTakeTheSavedSettings() {
    WindowFixture fixture(false);
    fixture.set("edt_IP1", "a.example");
    fixture.set("edt_HeartbeatTime", "77");
    fixture.reopen();
    const QString saved = QDir(fixture.dir()).filePath("Lx1Cfg.ini");
    dtu::FormModel fromCli;
    QCOMPARE(dtu::cli::LoadProfileFile(saved.toStdString(), fromCli, std::nullopt), std::nullopt);
    QString title;
    ChooseWhenShown(saved, title);
    fixture.find<QAction>("mni_ImportProfile")->trigger();
    dtu::OrderList windowLines;
    dtu::OrderList cliLines;
    dtu::BuildWriteAllOrders(ReadForm(fixture.window()), windowLines);
    dtu::BuildWriteAllOrders(fromCli, cliLines);
    QCOMPARE(windowLines.Lines(), cliLines.Lines());
    QVERIFY(windowLines.Lines().at(1).starts_with("AT+CIPCFG=1,77,"));
}

QObject* NewProfileTest() {
    return new ProfileTest;
}

#include "profile_test.moc"
