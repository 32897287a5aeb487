#pragma once

#include <QString>
#include <string>

class QComboBox;
class QPlainTextEdit;

namespace dtu {

// The controls hold Unicode; the device and the settings file see GBK bytes.
std::string ToGbk(const QString& text);

// A memo's text with CR LF line ends, as the device and the file take it.
std::string MemoText(const QPlainTextEdit* memo);
// Sets a memo from text with CR LF or LF line ends.
void SetMemoText(QPlainTextEdit* memo, const std::string& gbk);

// Selects the first item equal to `gbk` ignoring letter case; none when no item is.
void SetComboByText(QComboBox* combo, const std::string& gbk);

}  // namespace dtu
