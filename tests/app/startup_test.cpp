#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "app/about_window.h"
#include "app/login_window.h"
#include "app/startup.h"
#include "lang/lang_list.h"
#include "mainwindow/info_area.h"
#include "mainwindow/main_window.h"
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
        QVERIFY(LangList->IsChinese);
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
    std::unique_ptr<test::ConfigFolder> folder_;
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
