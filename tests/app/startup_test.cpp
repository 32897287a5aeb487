#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "app/about_window.h"
#include "app/login_window.h"
#include "app/startup.h"
#include "lang/lang_list.h"
#include "mainwindow/info_area.h"
#include "mainwindow/main_window.h"
#include "serial/port_lock.h"
#include "test_support.h"

using namespace dtu;

namespace {

// Generous bound: only a program that fails to end its loop reaches it.
constexpr int kLoopBoundMs = 20000;
constexpr int kLoopBoundExit = 99;

template <class T>
T* TopLevel() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<T*>(widget)) {
            return window;
        }
    }
    return nullptr;
}

QStringList VisibleTopLevelNames() {
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            names << widget->objectName();
        }
    }
    return names;
}

// Once the message box `name` is up, runs `seen` with its text and clicks `button`.
void AnswerModal(const QString& name, const QString& button,
                 const std::function<void(const QString&)>& seen) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->objectName() != name) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        seen(box->text());
        box->findChild<QPushButton*>(button)->click();
    });
    timer->start();
}

// Runs the real start-up in this process; `whileRunning` runs once it is complete.
int RunWithLoop(const std::function<void()>& whileRunning) {
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, [] { QCoreApplication::exit(kLoopBoundExit); });
    bound.start(kLoopBoundMs);
    return RunApplication(*qApp, [&whileRunning](AppWindows&) { whileRunning(); });
}

// Notes whether the main window existed when the port window painted first.
class FirstPaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen && qobject_cast<Tfrm_Login*>(watched)) {
            seen = true;
            mainExisted = TopLevel<Tfrm_MainLx1>() != nullptr;
        }
        return false;
    }

    bool seen = false;
    bool mainExisted = false;
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_ = std::make_unique<test::ConfigFolder>();
        QApplication::setWindowIcon(QIcon());
    }
    void cleanup() { folder_.reset(); }

    void onlyThePortWindowIsShownAndClosingItEnds() {
        QStringList visible;
        bool mainExists = false;
        const int result = RunWithLoop([&] {
            visible = VisibleTopLevelNames();
            mainExists = TopLevel<Tfrm_MainLx1>() != nullptr;
            TopLevel<Tfrm_Login>()->close();
        });
        QCOMPARE(result, 0);
        QCOMPARE(visible, QStringList{"frm_Login"});
        QVERIFY(mainExists);
        // The main window's close handler did not run, so no settings were written.
        QVERIFY(!QFileInfo::exists(folder_->FilePath("Lx1Cfg.ini")));
    }

    void exitMenuEndsTheProgram() {
        const int result = RunWithLoop([] { TopLevel<Tfrm_Login>()->N_Exit->trigger(); });
        QCOMPARE(result, 0);
    }

    void closingTheMainWindowEndsAndSaves() {
        const int result = RunWithLoop([] {
            Tfrm_MainLx1* main = TopLevel<Tfrm_MainLx1>();
            main->show();
            TopLevel<Tfrm_Login>()->hide();
            main->close();
        });
        QCOMPARE(result, 0);
        QVERIFY(QFileInfo::exists(folder_->FilePath("Lx1Cfg.ini")));
    }

    // A failed save on quit asks; whatever the answer, the program ends.
    void theProgramEndsAfterAFailedSave_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("saved");
        QTest::newRow("retry after the cause is gone") << "btn_SaveRetry" << true;
        QTest::newRow("close without saving") << "btn_SaveClose" << false;
    }
    void theProgramEndsAfterAFailedSave() {
        QFETCH(QString, button);
        QFETCH(bool, saved);
        const QString path = folder_->FilePath("Lx1Cfg.ini");
        QVERIFY(QDir(folder_->Path()).mkdir("Lx1Cfg.ini"));
        QString asked;
        const int result = RunWithLoop([&] {
            Tfrm_MainLx1* main = TopLevel<Tfrm_MainLx1>();
            main->show();
            TopLevel<Tfrm_Login>()->hide();
            AnswerModal("msg_SaveFailed", button, [&](const QString& text) {
                asked = text;
                QDir(folder_->Path()).rmdir("Lx1Cfg.ini");
            });
            main->close();
        });
        QCOMPARE(result, 0);
        QCOMPARE(asked, "Unable to write to " + path);
        QCOMPARE(QFileInfo(path).isFile(), saved);
        QCOMPARE(VisibleTopLevelNames(), QStringList());
    }

    // Once the main window was shown, leaving from the port window saves too.
    void leavingFromThePortWindowSavesTheForm() {
        const int result = RunWithLoop([] {
            Tfrm_MainLx1* main = TopLevel<Tfrm_MainLx1>();
            main->show();
            TopLevel<Tfrm_Login>()->hide();
            main->findChild<QLineEdit*>("edt_TelNo")->setText("13900");
            main->findChild<QAction*>("N14")->trigger();  // File > Close COM
            QVERIFY(TopLevel<Tfrm_Login>()->isVisible());
            TopLevel<Tfrm_Login>()->close();
        });
        QCOMPARE(result, 0);
        QVERIFY(ReadSettings().contains("\nTelNo=13900\n"));
    }

    // A stop signal ends the run as closing the windows does: the settings are
    // saved and the port with its lock file is released.
    void stopSignalsEndTheRun_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void stopSignalsEndTheRun() {
        QFETCH(int, signal);
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const std::string port = ::ptsname(master);
        const std::string lock = UucpLockPath(port);
        bool opened = false;
        bool locked = false;
        const int result = RunWithLoop([&] {
            Tfrm_MainLx1* main = TopLevel<Tfrm_MainLx1>();
            opened = main->Session().OpenPort({port, "115200", "NONE", "8", "1"}).Opened();
            locked = lock.empty() || QFileInfo::exists(QString::fromStdString(lock));
            main->show();
            TopLevel<Tfrm_Login>()->hide();
            ::raise(signal);
        });
        ::close(master);
        QCOMPARE(result, 0);
        QVERIFY(opened);
        QVERIFY(locked);
        QVERIFY(lock.empty() || !QFileInfo::exists(QString::fromStdString(lock)));
        // The port is released before the save, which still remembers it.
        QVERIFY(ReadSettings().contains(QByteArray("\nComName=") + port.c_str() + "\n"));
        QCOMPARE(VisibleTopLevelNames(), QStringList());
    }

    void thePortWindowIsOnScreenBeforeTheMainWindowIsBuilt() {
        FirstPaintWatch watch;
        qApp->installEventFilter(&watch);
        bool mainBuilt = false;
        const int result = RunWithLoop([&mainBuilt] {
            mainBuilt = TopLevel<Tfrm_MainLx1>() != nullptr;
            TopLevel<Tfrm_Login>()->close();
        });
        qApp->removeEventFilter(&watch);
        QCOMPARE(result, 0);
        QVERIFY(watch.seen);
        QVERIFY(!watch.mainExisted);
        QVERIFY(mainBuilt);
    }

    // A port-window action that comes before start-up has built the main window
    // builds it; the language it switched to holds in both windows.
    void anEarlyPortWindowActionBuildsTheMainWindow() {
        folder_->WriteSettings("[SYS]\nLang=0\n");
        const auto windows = CreatePortWindow();
        QVERIFY(windows->main == nullptr);
        QVERIFY(windows->about == nullptr);
        windows->login->N1->trigger();
        QVERIFY(windows->main != nullptr);
        QVERIFY(windows->language.IsChinese);
        QCOMPARE(windows->login->btn_Com->text(), QString::fromUtf8("打开串口"));
        // The About window, built only now, speaks the language of the moment.
        QVERIFY(windows->about == nullptr);
        QCOMPARE(windows->About().btn_About_Yes->text(), QString::fromUtf8("确 认"));
        // Both File menus carry the same language text.
        QCOMPARE(windows->main->findChild<QMenu*>("N1")->title(), windows->login->N3->title());
    }

    void aLanguageFileThatCannotBeWrittenIsReportedInTheMainWindow() {
        // The folder's parent is a regular file, so nothing can be written there.
        QFile plain(folder_->FilePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        qputenv("DTUCONFIG_CONFIG_DIR", folder_->FilePath("plain/run").toLocal8Bit());
        const auto windows = CreateAppWindows();
        QVERIFY(windows->main->Info()->toPlainText().contains(folder_->FilePath("plain/run")));
    }

    void aLogoAmongTheToolsFilesBecomesTheWindowIcon() {
        QImage logo(16, 16, QImage::Format_ARGB32);
        logo.fill(Qt::darkCyan);
        QVERIFY(logo.save(folder_->FilePath("logo.ico"), "ICO"));
        QIcon icon;
        RunWithLoop([&icon] {
            icon = QApplication::windowIcon();
            TopLevel<Tfrm_Login>()->close();
        });
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::darkCyan));
    }

    void settingsAreLoadedBeforeThePortWindowReadsThem() {
        folder_->WriteSettings("[COM]\nByte=7\n");
        QString dataBits;
        RunWithLoop([&dataBits] {
            Tfrm_Login* login = TopLevel<Tfrm_Login>();
            dataBits = login->cbb_Open_Byte->currentText();
            login->close();
        });
        QCOMPARE(dataBits, QString("7"));
    }

    void executableStartsFromAnyFolder() {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("DTUCONFIG_CONFIG_DIR", folder_->Path());
        env.insert("DTUCONFIG_STARTUP_PROBE", "1");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(folder_->Path());
        process.start(DTUCONFIG_EXECUTABLE, {});
        QVERIFY(process.waitForFinished(kLoopBoundMs));
        const QByteArray err = process.readAllStandardError();
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY2(err.contains("probe shown\n"), err.constData());
        QVERIFY2(err.contains("probe peak_rss_kb "), err.constData());
        QVERIFY2(err.contains("probe main_shown_peak_rss_kb "), err.constData());
        QVERIFY(QFileInfo::exists(folder_->FilePath("Lx1Lang.txt")));
    }

private:
    QByteArray ReadSettings() const {
        QFile file(folder_->FilePath("Lx1Cfg.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<test::ConfigFolder> folder_;
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
