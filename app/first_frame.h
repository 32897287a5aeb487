#pragma once

#include <functional>

class QWidget;

namespace dtu {

// Runs `then` once, from the event loop, right after `window` has painted its
// first frame: from then on the user sees it.
void AfterFirstFrame(QWidget& window, std::function<void()> then);

}  // namespace dtu
