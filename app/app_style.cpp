#include "app/app_style.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

#include "app/deferred_icon.h"

namespace dtu {

namespace {

constexpr int kHintDelayMs = 100;

// Fusion's group-box frame: a light line around a faint shade, below the
// title's height when there is a title or a check box.
constexpr int kFrameTopGap = 3;
const QColor kFrameLine(0x75, 0x75, 0x75, 0x32);
const QColor kFrameInnerLine(0, 0, 0, 4);
const QColor kFrameShade(0, 0, 0, 3);
// The rounded line passes half-way through the corner pixels of both boxes.
const QColor kFrameCorner(0x75, 0x75, 0x75, 0x19);

// Qt's raster engine hands a translucent fill of more than about a hundred
// scan lines to a pool of threads; starting them costs more than the whole
// window's first frame, so tall areas are filled in lower bands.
constexpr int kBandRows = 64;

void FillInBands(QPainter& painter, const QRect& area, const QColor& color) {
    for (int y = area.top(); y <= area.bottom(); y += kBandRows) {
        painter.fillRect(
            QRect(area.left(), y, area.width(), std::min(kBandRows, area.bottom() - y + 1)), color);
    }
}

// The four sides of `box`, one pixel wide, without its corners.
void DrawSides(QPainter& painter, const QRect& box, const QColor& color) {
    const int inner = box.height() - 2;
    painter.fillRect(QRect(box.left() + 1, box.top(), box.width() - 2, 1), color);
    painter.fillRect(QRect(box.left() + 1, box.bottom(), box.width() - 2, 1), color);
    FillInBands(painter, QRect(box.left(), box.top() + 1, 1, inner), color);
    FillInBands(painter, QRect(box.right(), box.top() + 1, 1, inner), color);
}

void DrawCorners(QPainter& painter, const QRect& box, const QColor& color) {
    for (const QPoint& corner :
         {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
        painter.fillRect(QRect(corner, QSize(1, 1)), color);
    }
}

void DrawGroupBoxFrame(const QStyle& style, const QStyleOption& option, QPainter& painter,
                       const QWidget* widget) {
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool bare = box != nullptr && !box->isCheckable() && box->title().isEmpty();
    const int top =
        kFrameTopGap + (bare ? 0
                             : std::max(style.pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
                                        option.fontMetrics.height()));
    // The line leaves one pixel free on the left and top, none on the right
    // and bottom.
    const QRect line = option.rect.adjusted(1, top + 1, 0, 0);
    const QRect inside = line.adjusted(1, 1, -1, -1);
    FillInBands(painter, inside, kFrameShade);
    DrawSides(painter, inside, kFrameInnerLine);
    DrawCorners(painter, inside, kFrameCorner);
    DrawSides(painter, line, kFrameLine);
    DrawCorners(painter, line, kFrameCorner);
}

}  // namespace

int AppStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                        QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay) {
        return kHintDelayMs;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon AppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                             const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton ||
        standardIcon == SP_ToolBarVerticalExtensionButton) {
        return DeferredStandardIcon(baseStyle(), standardIcon);
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

void AppStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                             QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameGroupBox && baseStyle()->name() == "fusion") {
        DrawGroupBoxFrame(*this, *option, *painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace dtu
