#pragma once

class QWidget;

namespace dtu {

class FormModel;
class InfoArea;
class TLangList;

// File > Export Profile: the form to a profile file the user names.
void ExportProfile(QWidget* window, const TLangList& language, const FormModel& form,
                   InfoArea& info);
// File > Import Profile: a profile file into the form, refused whole, with the
// lines that break the rules, when the command line would refuse it. True
// when the form took the file.
bool ImportProfile(QWidget* window, const TLangList& language, FormModel& form, InfoArea& info);

}  // namespace dtu
