#pragma once

#include <QProxyStyle>

namespace dtu {

// The platform style, with hover hints that come up after 100 ms.
class HintStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

}  // namespace dtu
