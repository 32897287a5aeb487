#pragma once

#include <QIcon>
#include <QStyle>

namespace dtu {

// An icon that asks `style` for its standard icon `which` only when it is first
// drawn or measured; an empty icon once the style is gone.
QIcon DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which);

}  // namespace dtu
