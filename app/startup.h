#pragma once

#include <functional>
#include <memory>

#include "app/startup_files.h"
#include "lang/lang_list.h"

class QApplication;
class QObject;
class QWidget;

namespace dtu {

class PortWindowHost;
class Tfrm_About;
class Tfrm_APN;
class Tfrm_Login;
class Tfrm_MainLx1;

// The four windows of a run, created once and afterwards only shown and hidden.
// Members are destroyed in reverse order: each window before those it refers to.
struct AppWindows {
    // The texts every window shows, in the language the user chose.
    TLangList language;
    std::unique_ptr<Tfrm_MainLx1> main;
    std::unique_ptr<Tfrm_About> about;
    std::unique_ptr<Tfrm_APN> apn;
    // The port window's way to the main window.
    std::unique_ptr<PortWindowHost> loginHost;
    std::unique_ptr<Tfrm_Login> login;
    // The files start-up read; the main window takes the settings when built.
    StartupFiles files;

    AppWindows();
    ~AppWindows();

    // The main window, built on first use together with the APN window that
    // fills its APN field, and connected to the other windows.
    Tfrm_MainLx1& Main();

    // The About window, built when first asked for: it is never needed before
    // the user opens it.
    Tfrm_About& About();

    // From now on the run ends once its last window has closed, however it
    // closed (Quit).
    void EndWhenLastWindowCloses();

    // Ends the run, once: hides the windows, closes the port, which frees its
    // lock files, saves the settings if the main window was shown in this run
    // (asking again after a failed save) and ends the event loop.
    void Quit();

private:
    void Watch(QWidget& window);

    bool mainShown_ = false;
    bool quitting_ = false;
    // Watches the windows; destroyed first, so that no check it posted runs
    // on windows being destroyed.
    std::unique_ptr<QObject> lastWindowWatch_;
};

// Reads the settings and language files, then creates the port window, which
// shows what they hold. The main and About windows wait for Main() and About().
std::unique_ptr<AppWindows> CreatePortWindow();

// All four windows at once.
std::unique_ptr<AppWindows> CreateAppWindows();

// Sets the application font, shows the port window and, once it is on screen,
// builds the other windows (no one can reach them before) and runs `started`.
// Runs the event loop until the last window has closed or a stop signal
// (SIGINT, SIGTERM, SIGHUP) came, then ends as Quit() does.
int RunApplication(QApplication& app, const std::function<void(AppWindows&)>& started = {});

}  // namespace dtu
