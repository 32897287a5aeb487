#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include "app/login_window.h"
#include "app/startup.h"
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

// Runs the real start-up in this process; `whileRunning` runs once the loop is up.
int RunWithLoop(const std::function<void()>& whileRunning) {
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, [] { QCoreApplication::exit(kLoopBoundExit); });
    bound.start(kLoopBoundMs);
    QTimer::singleShot(0, whileRunning);
    return RunApplication(*qApp);
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void init() { folder_ = std::make_unique<test::ConfigFolder>(); }
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
