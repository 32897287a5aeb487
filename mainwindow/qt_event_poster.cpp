#include "mainwindow/qt_event_poster.h"

#include <utility>

namespace dtu {

void QtEventPoster::Post(std::function<void()> work) {
    QMetaObject::invokeMethod(context_, std::move(work), Qt::QueuedConnection);
}

}  // namespace dtu
