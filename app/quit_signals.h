#pragma once

#include <signal.h>
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace dtu {

// While it lives, SIGINT, SIGTERM and SIGHUP (a closed session) run `quit` on
// the GUI thread instead of ending the process on the spot, so the program
// ends the way its windows do: settings saved, port and lock files released.
class QuitOnSignals : public QObject {
public:
    explicit QuitOnSignals(std::function<void()> quit);
    ~QuitOnSignals() override;
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

    std::function<void()> quit_;
    int wake_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previous_[std::size(kSignals)] = {};
};

}  // namespace dtu
