#pragma once

#include <QObject>
#include <map>

#include "protocol/timers.h"

class QTimer;

namespace dtu {

// One-shot timers on the Qt event loop of `context`'s thread, to the millisecond.
class QtTimers : public Timers {
public:
    explicit QtTimers(QObject* context) : context_(context) {}
    ~QtTimers() override;
    QtTimers(const QtTimers&) = delete;
    QtTimers& operator=(const QtTimers&) = delete;

    Id Start(std::chrono::milliseconds delay, std::function<void()> fire) override;
    void Cancel(Id id) override;

private:
    QObject* context_;
    std::map<Id, QTimer*> timers_;
    Id nextId_ = 1;
};

}  // namespace dtu
