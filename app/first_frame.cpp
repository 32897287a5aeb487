#include "app/first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace dtu {

namespace {

// Sees the window's first paint event; the frame is complete (painted and
// flushed) once that event has been handled, so `then` is queued behind it.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget& window, std::function<void()> then)
        : QObject(&window), window_(window), then_(std::move(then)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && then_) {
            QTimer::singleShot(0, &window_, std::exchange(then_, {}));
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> then_;
};

}  // namespace

void AfterFirstFrame(QWidget& window, std::function<void()> then) {
    window.installEventFilter(new FirstFrameWatch(window, std::move(then)));
}

}  // namespace dtu
