#include "app/startup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "app/about_window.h"
#include "app/apn_window.h"
#include "app/app_font.h"
#include "app/app_style.h"
#include "app/first_frame.h"
#include "app/login_window.h"
#include "app/port_window_host.h"
#include "app/quit_signals.h"
#include "app/startup_probe.h"
#include "mainwindow/main_window.h"
#include "settings/config_location.h"
#include "settings/ini_file.h"
#include "shell/version_string.h"

namespace dtu {

namespace {

// Tells its owner when a window it watches has been shown, and when none is
// on screen any more. It looks only once the event that hid a window has been
// handled: a question asked while the window closes (its own event loop) is
// not yet the end, and the window's later hiding is looked at again.
class LastWindowWatch : public QObject {
public:
    LastWindowWatch(std::function<void(QObject*)> shown, std::function<void()> allHidden)
        : shown_(std::move(shown)), allHidden_(std::move(allHidden)) {}

    void Add(QWidget& window) {
        windows_.push_back(&window);
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            shown_(watched);
        } else if (event->type() == QEvent::Hide || event->type() == QEvent::Close) {
            QTimer::singleShot(0, this, [this] {
                if (std::none_of(windows_.begin(), windows_.end(),
                                 [](const QWidget* window) { return window->isVisible(); })) {
                    allHidden_();
                }
            });
        }
        return false;
    }

private:
    std::function<void(QObject*)> shown_;
    std::function<void()> allHidden_;
    std::vector<QWidget*> windows_;
};

// The main window behind the port window, built when the port window first needs it.
class MainWindowHost : public PortWindowHost {
public:
    explicit MainWindowHost(AppWindows& windows) : windows_(windows) {}

    DeviceSession& Session() override { return windows_.Main().Session(); }
    IniFile* Settings() override { return windows_.Main().Settings(); }
    void ShowPortOpened() override { windows_.Main().show(); }
    void ApplyTexts() override { windows_.Main().ApplyMainTexts(); }
    void OfferReopen() override { windows_.Main().SetReopenItemVisible(true); }

private:
    AppWindows& windows_;
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

AppWindows::~AppWindows() = default;

Tfrm_MainLx1& AppWindows::Main() {
    if (main != nullptr) {
        return *main;
    }
    main = std::make_unique<Tfrm_MainLx1>(language, std::move(files.settings),
                                          QString::fromStdString(GetVersionString()));
    if (!files.languageError.empty()) {
        main->ShowErrorLine(files.languageError);
    }
    apn = std::make_unique<Tfrm_APN>(language, main->ApnField());

    Tfrm_APN* apnWindow = apn.get();
    Tfrm_Login* loginWindow = login.get();
    main->showAbout = [this] { About().exec(); };
    main->showApn = [apnWindow] { apnWindow->exec(); };
    main->showLoginWindow = [loginWindow] { loginWindow->show(); };
    // An About window not built yet takes the texts of the moment when it is.
    main->applyDialogTexts = [this, apnWindow, loginWindow] {
        if (about != nullptr) {
            about->ApplyAboutTexts();
        }
        apnWindow->ApplyApnTexts();
        loginWindow->ApplyLoginTexts();
    };
    if (lastWindowWatch_ != nullptr) {
        Watch(*main);
    }
    return *main;
}

Tfrm_About& AppWindows::About() {
    if (about == nullptr) {
        about = std::make_unique<Tfrm_About>(language, QFileInfo(ToolFile("About.jpg")).path());
    }
    return *about;
}

void AppWindows::EndWhenLastWindowCloses() {
    lastWindowWatch_ = std::make_unique<LastWindowWatch>(
        [this](QObject* window) { mainShown_ = mainShown_ || window == main.get(); },
        [this] { Quit(); });
    Watch(*login);
    if (main != nullptr) {
        Watch(*main);
    }
}

void AppWindows::Watch(QWidget& window) {
    static_cast<LastWindowWatch&>(*lastWindowWatch_).Add(window);
}

void AppWindows::Quit() {
    if (quitting_) {
        return;
    }
    quitting_ = true;
    login->hide();
    if (main != nullptr) {
        main->hide();
        // Other programs may have the port while a failed save waits for an answer.
        main->Session().ClosePort();
        // A run that never left the port window has nothing of the main window to keep.
        if (mainShown_) {
            main->SaveSettingsOnQuit();
        }
    }
    QCoreApplication::exit(0);
}

std::unique_ptr<AppWindows> CreatePortWindow() {
    auto windows = std::make_unique<AppWindows>();
    windows->files = LoadStartupFiles(windows->language);
    AppWindows* owner = windows.get();
    windows->loginHost = std::make_unique<MainWindowHost>(*owner);
    windows->login =
        std::make_unique<Tfrm_Login>(windows->files, windows->language, *windows->loginHost,
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
    shown.EndWhenLastWindowCloses();
    const QuitOnSignals stopSignals([&shown] { shown.Quit(); });
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
