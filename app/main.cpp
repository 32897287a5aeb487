#include <QApplication>

#include "app/run_once.h"
#include "app/startup.h"

int main(int argc, char* argv[]) {
    // Held for the whole run, before and after the event loop.
    const dtu::RunOnceMarker marker;
    QApplication app(argc, argv);
    return dtu::RunApplication(app);
}
