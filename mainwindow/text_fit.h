#pragma once

#include <QStringList>

class QComboBox;
class QLineEdit;

namespace dtu {

class TLangList;

// The item texts of a box whose items are language texts, in both languages:
// a box sized for them keeps its size across a language switch.
QStringList ItemTextsOfBothLanguages(const TLangList& table, const QComboBox& box);

// The width `box` needs to show the widest of `texts` whole, frame and arrow
// included, in its own font and style.
int ComboWidthFor(const QComboBox& box, const QStringList& texts);

// The width `edit` needs to show `text` whole.
int EditWidthFor(const QLineEdit& edit, const QString& text);

}  // namespace dtu
