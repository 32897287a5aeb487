#pragma once

#include <QStackedWidget>

#include "form/form_fields.h"

namespace dtu {

class AtCommandPage;
class DataPage;
class DigitsOnlyFilter;
class FormModel;
class HttpPage;
class NamedControls;
class TLangList;

// The five work-mode pages, of which the one of the form's work mode shows;
// no tabs, so the work-mode box is the only way to another page.
class WorkModePages : public QStackedWidget {
public:
    WorkModePages(QWidget* parent, FormModel& form, const TLangList& language,
                  DigitsOnlyFilter* digitsOnly, NamedControls& named);

    // What follows a changed value: the page of the work mode, and what the
    // pages couple to their fields.
    void ShowCouplings(Field field);
    // The page of the form's work mode; a mode no page has leaves the page as it was.
    void ShowWorkMode();
    void ShowFamilyControls();

    DataPage& Data() const { return *data_; }
    AtCommandPage& AtCommands() const { return *atCommands_; }

private:
    const FormModel& form_;
    DataPage* data_ = nullptr;
    AtCommandPage* atCommands_ = nullptr;
    HttpPage* http_ = nullptr;
};

}  // namespace dtu
