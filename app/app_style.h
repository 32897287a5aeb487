#pragma once

#include <QProxyStyle>

namespace dtu {

// The platform style with the tool's changes: hover hints come up after 100 ms,
// and no picture is read from a file while the first window comes up. Qt reads
// such a picture only after loading every image-format plugin from disk, which
// costs the start-up more than the port window's own work; so the group-box
// frame Fusion takes from a picture is drawn instead, and the menu bars'
// overflow buttons (which these fixed-size windows never show) get their icon
// only when it is drawn.
class AppStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                       const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

}  // namespace dtu
