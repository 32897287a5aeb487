#pragma once

#include <QString>

namespace dtu {

class FormBinder;
class IniFile;
class InfoArea;
class TLangList;

// A line in the log for each list key of the settings file `file` whose stored
// index was replaced by its default, naming the default by its item.
void ShowIndexesOutsideLists(const IniFile& file, const QString& fileName, const FormBinder& binder,
                             const TLangList& language, InfoArea& info);

}  // namespace dtu
