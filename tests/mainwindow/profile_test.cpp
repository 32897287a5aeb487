// The File menu's export and import of the form as a profile file.
#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "cli/profile_check.h"
#include "form/write_lines.h"
#include "form_test.h"
#include "mainwindow/info_area.h"
#include "mainwindow/refused_mark.h"
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
    void importNamesIndexesOutsideTheirLists();
    void bothFrontEndsJudgeAFileAlike();
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

// The work mode and a protocol take their defaults, and the log says so.
void ProfileTest::importNamesIndexesOutsideTheirLists() {
    WindowFixture fixture(false);
    const QString path = QDir(fixture.dir()).filePath("odd.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[COMMON]\nWorkMode=9\nView=1\n[DTM]\nProtocol2=UDP\n");
    file.close();
    QString title;
    ChooseWhenShown(path, title);
    fixture.find<QAction>("mni_ImportProfile")->trigger();
    const QString log = fixture.window().Info()->toPlainText();
    QVERIFY2(log.contains("[Note]: In " + path +
                          ", COMMON/WorkMode holds 9, no item of its list; the default 0 (Data "
                          "Transmission mode) is used instead"),
             qPrintable(log));
    QVERIFY(log.contains("[Note]: In " + path +
                         ", DTM/Protocol2 holds UDP, no item of its list; the default 0 (TCP) is "
                         "used instead"));
    QVERIFY(!log.contains("COMMON/View"));
}

// The settings file the window saved, taken as a profile by the command line
// and imported by the window, gives the same lines; a bad profile is refused by
// both, for the same fields.
void ProfileTest::bothFrontEndsJudgeAFileAlike() {
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

    const QString bad = QDir(fixture.dir()).filePath("bad.ini");
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[DTM]\nPort2=70000\nHeartbeatTime=\nIP3=x\"\n");
    file.close();
    const auto refused = dtu::cli::LoadProfileFile(bad.toStdString(), fromCli, std::nullopt);
    QVERIFY(refused.has_value());
    ChooseWhenShown(bad, title);
    fixture.find<QAction>("mni_ImportProfile")->trigger();
    fixture.find<QPushButton>("btn_SetAll")->click();
    for (const char* key : {"Port2", "HeartbeatTime", "IP3"}) {
        QVERIFY2(refused->find("DTM/" + std::string(key) + "=") != std::string::npos, key);
    }
    for (const char* name : {"edt_Port2", "edt_HeartbeatTime", "edt_IP3", "edt_IP1"}) {
        const bool marked = fixture.find(name)->property(dtu::kRefusedProperty).toBool();
        QCOMPARE(marked, std::string_view(name) != "edt_IP1");
    }
}

QObject* NewProfileTest() {
    return new ProfileTest;
}

#include "profile_test.moc"
