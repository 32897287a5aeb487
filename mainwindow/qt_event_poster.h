#pragma once

#include <QObject>

#include "serial/event_poster.h"

namespace dtu {

// Runs posted work on the thread of `context`, in posting order; work posted
// after the context is gone is dropped.
class QtEventPoster : public EventPoster {
public:
    explicit QtEventPoster(QObject* context) : context_(context) {}
    void Post(std::function<void()> work) override;

private:
    QObject* context_;
};

}  // namespace dtu
