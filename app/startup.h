#pragma once

#include <QString>
#include <memory>

class QApplication;

namespace dtu {

class Tfrm_About;
class Tfrm_APN;
class Tfrm_Login;
class Tfrm_MainLx1;

// The four windows of a run, created once and afterwards only shown and hidden.
// Members are destroyed in reverse order of creation.
struct AppWindows {
    std::unique_ptr<Tfrm_MainLx1> main;
    std::unique_ptr<Tfrm_About> about;
    std::unique_ptr<Tfrm_APN> apn;
    std::unique_ptr<Tfrm_Login> login;

    AppWindows();
    ~AppWindows();
};

// Creates the windows in start-up order (the main window first, hidden, because
// the port window reads the settings it loads) and connects them. Closing the
// main window ends the event loop. `exeDir` is where "About.jpg" is looked for.
std::unique_ptr<AppWindows> CreateAppWindows(const QString& exeDir);

// Sets the application font, creates the windows, shows only the port window
// and runs the event loop until the port window or the main window closes.
int RunApplication(QApplication& app);

}  // namespace dtu
