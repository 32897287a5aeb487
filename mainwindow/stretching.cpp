#include "mainwindow/stretching.h"

#include <QWidget>

namespace dtu {

void Stretching::Add(QWidget* widget, unsigned follow) {
    regions_.push_back({widget, widget->geometry(), follow});
}

void Stretching::KeepPlaces() {
    for (Region& region : regions_) {
        region.designed = region.widget->geometry();
    }
}

void Stretching::Place(QSize extra) const {
    for (const Region& region : regions_) {
        QRect place = region.designed;
        place.translate(region.follow & kMoveRight ? extra.width() : 0,
                        region.follow & kMoveDown ? extra.height() : 0);
        place.setSize(place.size() + QSize(region.follow & kWiden ? extra.width() : 0,
                                           region.follow & kHeighten ? extra.height() : 0));
        region.widget->setGeometry(place);
    }
}

}  // namespace dtu
