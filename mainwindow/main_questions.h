#pragma once

class QWidget;

namespace dtu {

class TLangList;

// The main window's questions, asked in boxes `window` owns.
// Factory reset: true for Yes. Its words are the same in both languages.
bool AskFactoryReset(QWidget* window);
// Closing during write all: true when the user chose to stop it.
bool AskStopWriting(QWidget* window, const TLangList& language);

}  // namespace dtu
