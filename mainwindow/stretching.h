#pragma once

#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace dtu {

// How a region follows the window when it is larger than designed.
enum Follow : unsigned {
    kMoveRight = 1u << 0,
    kMoveDown = 1u << 1,
    kWiden = 1u << 2,
    kHeighten = 1u << 3,
};

// The regions that follow the window beyond its designed size: the form keeps
// its place and size, the information and send areas take the room, and the
// bottom buttons stay at the bottom.
class Stretching {
public:
    // `widget` follows as `follow` says, from where it stands now.
    void Add(QWidget* widget, unsigned follow);
    // The places the regions stand in now are their designed places.
    void KeepPlaces();
    // Places each region for a window `extra` larger than designed.
    void Place(QSize extra) const;

private:
    struct Region {
        QWidget* widget;
        QRect designed;
        unsigned follow;
    };
    std::vector<Region> regions_;
};

}  // namespace dtu
