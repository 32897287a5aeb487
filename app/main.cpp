#include <QApplication>
#include <iostream>

#include "app/startup.h"
#include "shell/command_line.h"
#include "shell/run_once.h"

int main(int argc, char* argv[]) {
    // Answered without a display, before anything of a run is set up.
    if (const auto status = dtu::AnswerInfoOption({argv + 1, argv + argc}, std::cout)) {
        return *status;
    }
    // Held for the whole run, before and after the event loop.
    const dtu::RunOnceMarker marker;
    QApplication app(argc, argv);
    return dtu::RunApplication(app);
}
