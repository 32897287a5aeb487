#include "app/deferred_icon.h"

#include <QIconEngine>
#include <QPointer>

namespace dtu {

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }

    QIconEngine* clone() const override { return new DeferredIconEngine(style_, which_); }

private:
    const QIcon& Icon() {
        if (icon_.isNull() && style_ != nullptr) {
            icon_ = style_->standardIcon(which_);
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
};

}  // namespace

QIcon DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which) {
    return QIcon(new DeferredIconEngine(style, which));
}

}  // namespace dtu
