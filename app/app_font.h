#pragma once

#include <QFont>

namespace dtu {

// The windows were laid out for a 12-pixel CJK face; the first family present wins.
QFont ApplicationFont();

}  // namespace dtu
