#include "app/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "app/about_window.h"
#include "app/apn_window.h"
#include "app/app_font.h"
#include "app/first_frame.h"
#include "app/hint_style.h"
#include "app/login_window.h"
#include "app/startup_probe.h"
#include "mainwindow/main_window.h"

namespace dtu {

namespace {

// Ends the event loop once the watched window has really closed (its own close
// handler has run and accepted).
class QuitWhenClosed : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, window, [window] {
                if (!window->isVisible()) {
                    QCoreApplication::exit(0);
                }
            });
        }
        return false;
    }
};

void RunStartupProbe(AppWindows& windows) {
    AfterFirstFrame(*windows.login, [&windows] {
        PrintProbeShown();
        PrintProbeMemory("peak_rss_kb");
        AfterFirstFrame(*windows.main, [] {
            PrintProbeMemory("main_shown_peak_rss_kb");
            QCoreApplication::exit(0);
        });
        windows.main->show();
    });
}

}  // namespace

AppWindows::AppWindows() = default;
AppWindows::~AppWindows() = default;

std::unique_ptr<AppWindows> CreateAppWindows(const QString& exeDir) {
    auto windows = std::make_unique<AppWindows>();
    windows->main = std::make_unique<Tfrm_MainLx1>();
    windows->about = std::make_unique<Tfrm_About>(exeDir);
    windows->apn = std::make_unique<Tfrm_APN>(windows->main->ApnField());
    windows->login = std::make_unique<Tfrm_Login>(*windows->main, *windows->about);

    Tfrm_MainLx1& main = *windows->main;
    Tfrm_About* about = windows->about.get();
    Tfrm_APN* apn = windows->apn.get();
    Tfrm_Login* login = windows->login.get();
    main.showAbout = [about] { about->exec(); };
    main.showApn = [apn] { apn->exec(); };
    main.showLoginWindow = [login] { login->show(); };
    main.applyDialogTexts = [about, apn] {
        about->ApplyAboutTexts();
        apn->ApplyApnTexts();
    };
    main.installEventFilter(new QuitWhenClosed(&main));
    return windows;
}

int RunApplication(QApplication& app) {
    QApplication::setFont(ApplicationFont());
    QApplication::setStyle(new HintStyle);
    app.setQuitOnLastWindowClosed(false);
    const std::unique_ptr<AppWindows> windows =
        CreateAppWindows(QCoreApplication::applicationDirPath());
    windows->login->show();
    if (StartupProbeRequested()) {
        RunStartupProbe(*windows);
    }
    return app.exec();
}

}  // namespace dtu
