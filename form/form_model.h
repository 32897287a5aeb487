#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "form/form_fields.h"

namespace dtu {

// View of the data page: 0 full, 1 compact.
inline constexpr int kFullView = 0;
inline constexpr int kCompactView = 1;

// The form's values without any window: texts as GBK bytes (several lines
// joined by CR LF), item indexes (-1: nothing selected) and ticks. Values set
// here are kept whole; typing limits are the windows' business. Setting a box
// runs the couplings a click on it would, whoever sets it.
class FormModel {
public:
    FormModel();  // every field at its default

    const std::string& Text(Field field) const;
    int Item(Field field) const;
    bool Tick(Field field) const;
    // The selected item's text for lists whose texts the device sees; empty
    // without a selection.
    std::string ItemText(Field field) const;

    void SetText(Field field, std::string text);
    // An index outside the list selects nothing.
    void SetItem(Field field, int item);
    // Selects the first item equal to `text` ignoring ASCII case; none when no item is.
    void SetItemByText(Field field, std::string_view text);
    void SetTick(Field field, bool ticked);

    // The APN choice as a user makes it: the first two fill the APN value.
    // True when the choice asks for the window that edits another APN.
    bool ChooseApn(int choice);
    // The D2D ID rewritten as a number and the registration packet it makes.
    void UpdateD2DRegPacket();

    int View() const { return view_; }
    // The compact view has no D2D: switching to it unticks the box.
    void SetView(int view);

    // Firmware without cloud and cache support unticks both boxes.
    void EnableFamilyControls(bool enable);
    bool FamilyControlsEnabled() const { return familyControlsEnabled_; }

    // Socket 1 as the last socket reply gave it, until a work-mode reply places it.
    struct Socket1Store {
        std::string protocol;  // upper case
        std::string host;
        std::string port;
        bool enabled = false;
    };
    Socket1Store socket1;

    // Called once for each field whose value changed, after the change.
    std::function<void(Field)> onChanged;
    // Called when the view or the family controls' state changed.
    std::function<void()> onStateChanged;

private:
    struct Value {
        std::string text;
        int item = -1;
        bool tick = false;
    };

    Value& At(Field field) { return values_[static_cast<std::size_t>(field)]; }
    const Value& At(Field field) const { return values_[static_cast<std::size_t>(field)]; }
    void Changed(Field field);
    // A hex box changed: the packet it belongs to switches between plain and hex text.
    void HexBoxChanged(Field box);

    std::array<Value, kFieldCount> values_;
    int view_ = kFullView;
    bool familyControlsEnabled_ = true;
};

}  // namespace dtu
