#include "app/app_font.h"

#include <QStringList>

namespace dtu {

QFont ApplicationFont() {
    QFont font;
    font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans"});
    font.setPixelSize(12);
    return font;
}

}  // namespace dtu
