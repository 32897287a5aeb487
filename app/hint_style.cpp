#include "app/hint_style.h"

namespace dtu {

namespace {
constexpr int kHintDelayMs = 100;
}

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay) {
        return kHintDelayMs;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace dtu
