#include "app/app_style.h"

#include <QGroupBox>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

#include "app/deferred_icon.h"

namespace dtu {

namespace {

constexpr int kHintDelayMs = 100;

// Fusion's group-box frame: a light rounded line around a faint shade, below
// the title's height when there is a title or a check box.
constexpr int kFrameTopGap = 3;
constexpr qreal kFrameRadius = 1.25;
const QColor kFrameLine(0x75, 0x75, 0x75, 0x32);
const QColor kFrameInnerLine(0, 0, 0, 4);
const QColor kFrameShade(0, 0, 0, 3);

void DrawGroupBoxFrame(const QStyle& style, const QStyleOption& option, QPainter& painter,
                       const QWidget* widget) {
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool bare = box != nullptr && !box->isCheckable() && box->title().isEmpty();
    const int top =
        kFrameTopGap + (bare ? 0
                             : std::max(style.pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
                                        option.fontMetrics.height()));
    const QRectF outline =
        QRectF(option.rect.adjusted(0, top, 0, 0)).adjusted(1.5, 1.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(outline, kFrameRadius, kFrameRadius);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, kFrameShade);
    painter.setPen(kFrameInnerLine);
    painter.drawRoundedRect(outline.adjusted(1, 1, -1, -1), 1, 1);
    painter.setPen(kFrameLine);
    painter.drawPath(path);
    painter.restore();
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
