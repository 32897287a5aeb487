#pragma once

#include <QObject>
#include <array>

#include "form/form_model.h"

class QWidget;

namespace dtu {

class NamedControls;
class TypingLimit;

// The object name of the control that shows `field` ("chkCloudEnalbe").
const char* ControlNameOf(Field field);

// Keeps the form's controls and the form's values in step: what a user (or a
// test) puts into a control goes into the values, and every change of a value
// shows in its control. The values hold GBK bytes; the controls Unicode.
class FormBinder : public QObject {
    Q_OBJECT
public:
    // Each field's control is the one `controls` holds under its ControlNameOf,
    // of the class its kind is shown in; a field without one is left out.
    FormBinder(QObject* parent, NamedControls& controls, FormModel& model);

    // Shows every value in its control.
    void ShowAll();
    // Shows one value in its control, unless the control already shows it.
    void Show(Field field);

    QWidget* Control(Field field) const { return controls_[static_cast<std::size_t>(field)]; }

private:
    void Take(Field field);
    void Connect(Field field);

    FormModel& model_;
    std::array<QWidget*, kFieldCount> controls_{};
    std::array<TypingLimit*, kFieldCount> limits_{};
    bool showing_ = false;
};

}  // namespace dtu
