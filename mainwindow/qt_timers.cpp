#include "mainwindow/qt_timers.h"

#include <QTimer>

namespace dtu {

QtTimers::~QtTimers() {
    for (const auto& [id, timer] : timers_) {
        delete timer;
    }
}

Timers::Id QtTimers::Start(std::chrono::milliseconds delay, std::function<void()> fire) {
    const Id id = nextId_++;
    auto* timer = new QTimer(context_);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, context_, [this, id, fire = std::move(fire)] {
        Cancel(id);
        fire();
    });
    timers_.emplace(id, timer);
    timer->start(delay);
    return id;
}

void QtTimers::Cancel(Id id) {
    const auto it = timers_.find(id);
    if (it != timers_.end()) {
        it->second->stop();
        it->second->deleteLater();
        timers_.erase(it);
    }
}

}  // namespace dtu
