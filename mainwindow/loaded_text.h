#pragma once

#include <QString>
#include <string>

class QObject;

namespace dtu {

// Remembers, on a text control, the stored bytes it was loaded from and the
// text it then showed, so that a text nobody changed is saved as those very
// bytes, also where the control cannot hold them exactly: a lone CR or LF in a
// memo, a line longer than the 32767 characters an edit keeps.
void RememberLoadedText(QObject* control, const std::string& stored, const QString& shown);

// The bytes to save for `control`, which now shows `shown`: the loaded bytes
// while it still shows what it showed after loading, else `converted`.
std::string TextToSave(const QObject* control, const QString& shown, std::string converted);

}  // namespace dtu
