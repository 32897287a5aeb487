#include "widgets/clickable_label.h"

#include <QMouseEvent>

namespace dtu {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    QFont linkFont = font();
    linkFont.setPixelSize(11);
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    setPalette(linkPalette);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace dtu
