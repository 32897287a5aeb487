#pragma once

#include <QObject>

#include "serial/event_poster.h"

namespace dtu {

// Runs posted work on the thread of `context`, in posting order. Work still
// queued when the context is destroyed is dropped; the context must outlive
// every caller of Post (the window owns the port whose threads post).
class QtEventPoster : public EventPoster {
public:
    explicit QtEventPoster(QObject* context) : context_(context) {}
    void Post(std::function<void()> work) override;

private:
    QObject* context_;
};

}  // namespace dtu
