#include "form/form_model.h"

#include <string>

#include "form/d2d_packet.h"
#include "lang/same_text.h"
#include "protocol/text_helpers.h"

namespace dtu {

FormModel::FormModel() {
    for (const FieldRow& row : FormFields()) {
        Value& value = At(row.field);
        switch (row.kind) {
            case FieldKind::Text:
            case FieldKind::Memo:
                value.text = row.defaultValue;
                break;
            case FieldKind::Item:
                value.item = std::stoi(row.defaultValue);
                break;
            case FieldKind::Tick:
                value.tick = row.defaultValue[0] == '1';
                break;
        }
    }
}

const std::string& FormModel::Text(Field field) const {
    return At(field).text;
}

int FormModel::Item(Field field) const {
    return At(field).item;
}

bool FormModel::Tick(Field field) const {
    return At(field).tick;
}

std::string FormModel::ItemText(Field field) const {
    const auto items = RowOf(field).items;
    const int item = Item(field);
    return item >= 0 && item < static_cast<int>(items.size())
               ? items[static_cast<std::size_t>(item)]
               : std::string();
}

void FormModel::SetText(Field field, std::string text) {
    Value& value = At(field);
    if (value.text != text) {
        value.text = std::move(text);
        Changed(field);
    }
}

void FormModel::SetItem(Field field, int item) {
    if (item < 0 || item >= ItemCount(RowOf(field))) {
        item = -1;
    }
    Value& value = At(field);
    if (value.item != item) {
        value.item = item;
        Changed(field);
    }
}

void FormModel::SetItemByText(Field field, std::string_view text) {
    const auto items = RowOf(field).items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (SameText(items[i], text)) {
            SetItem(field, static_cast<int>(i));
            return;
        }
    }
    SetItem(field, -1);
}

void FormModel::SetTick(Field field, bool ticked) {
    if (field == Field::RegistrationPacketHex && !ticked && Tick(Field::D2dEnable)) {
        // While D2D is on the registration packet stays hexadecimal.
        return;
    }
    Value& value = At(field);
    if (value.tick == ticked) {
        return;
    }
    value.tick = ticked;
    Changed(field);
    if (field == Field::RegistrationPacketHex || field == Field::HeartbeatPacketHex) {
        HexBoxChanged(field);
    } else if (field == Field::D2dEnable && ticked) {
        SetTick(Field::RegistrationPacketHex, true);
        UpdateD2DRegPacket();
    }
}

void FormModel::HexBoxChanged(Field box) {
    const Field packet =
        box == Field::RegistrationPacketHex ? Field::RegistrationPacket : Field::HeartbeatPacket;
    const std::string& text = Text(packet);
    SetText(packet, Tick(box) ? StrToHexText(text) : HexTextToStr(text));
}

bool FormModel::ChooseApn(int choice) {
    SetItem(Field::ApnChoice, choice);
    const int chosen = Item(Field::ApnChoice);
    if (chosen >= 0 && chosen < kApnOtherChoice) {
        SetText(Field::Apn, kApnChoiceValues[chosen]);
    }
    return chosen == kApnOtherChoice;
}

void FormModel::UpdateD2DRegPacket() {
    const std::optional<D2DRegistration> registration = D2DRegistrationFor(Text(Field::D2dId));
    if (!registration) {
        return;
    }
    SetText(Field::D2dId, registration->id);
    SetText(Field::RegistrationPacket, registration->packet);
}

void FormModel::SetView(int view) {
    if (view_ != view) {
        view_ = view;
        if (onStateChanged) {
            onStateChanged();
        }
    }
    if (view == kCompactView) {
        SetTick(Field::D2dEnable, false);
    }
}

void FormModel::EnableFamilyControls(bool enable) {
    if (!enable) {
        SetTick(Field::CloudEnable, false);
        SetTick(Field::CacheEnable, false);
    }
    familyControlsEnabled_ = enable;
    if (onStateChanged) {
        onStateChanged();
    }
}

void FormModel::Changed(Field field) {
    if (onChanged) {
        onChanged(field);
    }
}

}  // namespace dtu
