#include "app/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include "app/about_window.h"
#include "app/apn_window.h"
#include "app/app_font.h"
#include "app/app_style.h"
#include "app/first_frame.h"
#include "app/login_window.h"
#include "app/startup_probe.h"
#include "lang/builtin_texts.h"
#include "mainwindow/main_window.h"
#include "settings/config_location.h"
#include "settings/ini_file.h"

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

// Where the tool keeps `fileName`, as Qt names files.
QString ToolFile(const char* fileName) {
    return QFile::decodeName(ConfigFilePath(fileName).c_str());
}

// A "logo.ico" among the tool's files replaces the icon of the desktop entry.
void ApplyLogoIcon() {
    const QString icon = ToolFile("logo.ico");
    if (QFileInfo(icon).isFile()) {
        QApplication::setWindowIcon(QIcon(icon));
    }
}

// Reports the peak memory of start-up, then again with the main window shown,
// and ends the program.
void FinishStartupProbe(AppWindows& windows) {
    PrintProbeMemory("peak_rss_kb");
    Tfrm_MainLx1& main = windows.Main();
    AfterFirstFrame(main, [] {
        PrintProbeMemory("main_shown_peak_rss_kb");
        QCoreApplication::exit(0);
    });
    main.show();
}

}  // namespace

AppWindows::AppWindows() = default;

AppWindows::~AppWindows() {
    // Until the main window exists, the language table is start-up's to free.
    if (main == nullptr) {
        FreeLanguage();
    }
}

Tfrm_MainLx1& AppWindows::Main() {
    if (main != nullptr) {
        return *main;
    }
    main = std::make_unique<Tfrm_MainLx1>(std::move(files.settings));
    if (!files.languageError.empty()) {
        main->ShowErrorLine(files.languageError);
    }
    apn = std::make_unique<Tfrm_APN>(main->ApnField());

    Tfrm_APN* apnWindow = apn.get();
    Tfrm_Login* loginWindow = login.get();
    main->showAbout = [this] { About().exec(); };
    main->showApn = [apnWindow] { apnWindow->exec(); };
    main->showLoginWindow = [loginWindow] { loginWindow->show(); };
    // An About window not built yet takes the texts of the moment when it is.
    main->applyDialogTexts = [this, apnWindow] {
        if (about != nullptr) {
            about->ApplyAboutTexts();
        }
        apnWindow->ApplyApnTexts();
    };
    main->installEventFilter(new QuitWhenClosed(main.get()));
    return *main;
}

Tfrm_About& AppWindows::About() {
    if (about == nullptr) {
        about = std::make_unique<Tfrm_About>(QFileInfo(ToolFile("About.jpg")).path());
    }
    return *about;
}

std::unique_ptr<AppWindows> CreatePortWindow() {
    auto windows = std::make_unique<AppWindows>();
    windows->files = LoadStartupFiles();
    AppWindows* owner = windows.get();
    windows->login = std::make_unique<Tfrm_Login>(
        windows->files, [owner]() -> Tfrm_MainLx1& { return owner->Main(); },
        [owner]() -> Tfrm_About& { return owner->About(); });
    return windows;
}

std::unique_ptr<AppWindows> CreateAppWindows() {
    auto windows = CreatePortWindow();
    windows->Main();
    return windows;
}

int RunApplication(QApplication& app, const std::function<void(AppWindows&)>& started) {
    QApplication::setFont(ApplicationFont());
    QApplication::setStyle(new AppStyle);
    // Desktops find the icon and name through the installed desktop entry.
    QGuiApplication::setDesktopFileName(DTU_APP_ID);
    app.setQuitOnLastWindowClosed(false);
    const std::unique_ptr<AppWindows> windows = CreatePortWindow();
    AppWindows& shown = *windows;
    AfterFirstFrame(*shown.login, [&shown, started] {
        const bool probe = StartupProbeRequested();
        if (probe) {
            PrintProbeShown();
        }
        shown.Main();
        ApplyLogoIcon();
        if (probe) {
            FinishStartupProbe(shown);
        } else if (started) {
            started(shown);
        }
    });
    shown.login->show();
    return app.exec();
}

}  // namespace dtu
