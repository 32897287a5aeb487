#pragma once

class QWidget;

namespace dtu {

class ClickableLabel;
class NamedControls;

// A right-aligned link-like label that empties the box beside it when clicked.
ClickableLabel* AddClearLabel(QWidget* parent, const char* name, const char* text, int left,
                              int top, NamedControls& named);

}  // namespace dtu
