// The yardstick of the start-up benchmark: a Qt Widgets program that shows one
// empty window and reports like dtuconfig does under DTUCONFIG_STARTUP_PROBE.
// With the argument --cjk-label the window holds one label of Chinese text in
// the tool's font, which shows what rendering such text costs by itself.

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "app/app_font.h"
#include "app/first_frame.h"
#include "app/startup_probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(431, 315);
    if (argc > 1 && std::strcmp(argv[1], "--cjk-label") == 0) {
        QApplication::setFont(dtu::ApplicationFont());
        auto* label = new QLabel(QString::fromUtf8("打开串口 Open COM Port"), &window);
        label->move(88, 14);
    }
    if (dtu::StartupProbeRequested()) {
        dtu::AfterFirstFrame(window, [] {
            dtu::PrintProbeShown();
            dtu::PrintProbeMemory("peak_rss_kb");
            QCoreApplication::exit(0);
        });
    }
    window.show();
    return app.exec();
}
