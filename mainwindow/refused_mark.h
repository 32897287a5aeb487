#pragma once

class QWidget;

namespace dtu {

// The dynamic property that tells a control holding a value write all refused.
inline constexpr const char* kRefusedProperty = "refused";

// A red frame on the control until ClearRefused, so the value to fix stands out.
void MarkRefused(QWidget* control);
void ClearRefused(QWidget* control);

}  // namespace dtu
