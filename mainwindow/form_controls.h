#pragma once

#include <QWidget>

namespace dtu {

class DigitsOnlyFilter;

// One control of a form page as a table row: its kind, objectName, geometry,
// view tag, design-time text (combo items separated by '|') and settings. The
// values, typing limits and item texts of the form's fields are the form
// table's.
enum class ControlKind { Label, Edit, LabelledEdit, Combo, Check, Button, Memo, Group };

enum ControlFlag : unsigned {
    kNoFlags = 0,
    kRightAligned = 1u << 0,  // label text, or a check box with its box on the right
    kDigitsOnly = 1u << 1,
    kDisabled = 1u << 2,
    kHidden = 1u << 3,
    kChecked = 1u << 4,
    kVerticalScroll = 1u << 5,
};

struct FormControl {
    ControlKind kind;
    const char* name;
    int left, top, width, height;  // width or height 0: the kind's usual size
    int tag;
    const char* text;
    unsigned flags;
    int value;  // combos: selected index
};

// Creates the control on `parent` at the row's geometry.
QWidget* CreateControl(QWidget* parent, const FormControl& row, DigitsOnlyFilter* digitsOnly);

template <std::size_t N>
void CreateControls(QWidget* parent, const FormControl (&rows)[N], DigitsOnlyFilter* digitsOnly) {
    for (const FormControl& row : rows) {
        CreateControl(parent, row, digitsOnly);
    }
}

}  // namespace dtu
