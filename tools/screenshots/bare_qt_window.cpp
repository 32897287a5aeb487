// The yardstick of the start-up benchmark: a Qt Widgets program that shows one
// empty window and reports like dtuconfig does under DTUCONFIG_STARTUP_PROBE.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "app/startup_probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(431, 315);
    window.show();
    if (dtu::StartupProbeRequested()) {
        QTimer::singleShot(0, &window, [] {
            dtu::PrintProbeShown();
            QTimer::singleShot(0, [] {
                dtu::PrintProbeMemory();
                QCoreApplication::exit(0);
            });
        });
    }
    return app.exec();
}
