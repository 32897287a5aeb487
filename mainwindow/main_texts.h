#pragma once

namespace dtu {

class DataPage;
class NamedControls;
class TextTargets;

// Ties the language texts to the main window's controls that show them: the
// captions, the boxes' items and the hints.
void BindMainTexts(TextTargets& texts, NamedControls& named, DataPage& dataPage);

}  // namespace dtu
