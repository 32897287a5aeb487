#pragma once

#include <QWidget>
#include <array>
#include <cstddef>
#include <string_view>

namespace dtu {

class DigitsOnlyFilter;
class NamedControls;

// One control of a form page as a table row: its kind, objectName, geometry,
// the views that show it, design-time text (combo items separated by '|') and settings. The
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

// The data page has a full and a compact view; the other pages show their
// controls in either.
enum class Shown { Always, FullView, CompactView };

struct FormControl {
    ControlKind kind;
    const char* name;
    int left, top, width, height;  // width or height 0: the kind's usual size
    Shown shown;
    const char* text;
    unsigned flags;
    int value;  // combos: selected index
};

// Creates the control on `parent` at the row's geometry and records it in `named`.
QWidget* CreateControl(QWidget* parent, const FormControl& row, DigitsOnlyFilter* digitsOnly,
                       NamedControls& named);

// The created controls in row order, so that the window keeps those it uses.
template <std::size_t N>
std::array<QWidget*, N> CreateControls(QWidget* parent, const FormControl (&rows)[N],
                                       DigitsOnlyFilter* digitsOnly, NamedControls& named) {
    std::array<QWidget*, N> created{};
    for (std::size_t i = 0; i < N; ++i) {
        created[i] = CreateControl(parent, rows[i], digitsOnly, named);
    }
    return created;
}

// The index of the row named `name`; a name no row has does not compile.
template <std::size_t N>
consteval std::size_t RowIndex(const FormControl (&rows)[N], std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (name == rows[i].name) {
            return i;
        }
    }
    throw "no row of that name";
}

}  // namespace dtu
