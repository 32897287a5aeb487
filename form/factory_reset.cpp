#include "form/factory_reset.h"

#include <string>

namespace dtu {

void ResetForFactory(FormModel& form) {
    // D2D goes first: while it is on, the registration hex box cannot be unticked.
    form.SetTick(Field::D2dEnable, false);
    for (const FieldRow& row : FormFields()) {
        if (row.factoryValue == nullptr) {
            continue;
        }
        switch (row.kind) {
            case FieldKind::Text:
            case FieldKind::Memo:
                form.SetText(row.field, row.factoryValue);
                break;
            case FieldKind::Item:
                form.SetItem(row.field, std::stoi(row.factoryValue));
                break;
            case FieldKind::Tick:
                form.SetTick(row.field, row.factoryValue[0] == '1');
                break;
        }
    }
}

}  // namespace dtu
