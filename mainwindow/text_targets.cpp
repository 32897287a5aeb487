#include "mainwindow/text_targets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include "mainwindow/hint_switch.h"
#include "widgets/labelled_edit.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

void SetCaption(QObject* control, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(text);
    } else if (auto* labelled = qobject_cast<LabelledEdit*>(control)) {
        labelled->SetLabelText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    }
}

// Items are re-texted in place, so the selection stays where it was.
void SetItemTexts(const TLangList& table, QComboBox* combo, std::span<const char* const> keys) {
    const int selected = combo->currentIndex();
    int index = 0;
    for (const char* key : keys) {
        if (key != nullptr) {
            combo->setItemText(index++, Tr(table, key));
        }
    }
    combo->setCurrentIndex(selected);
    // Some boxes are narrower than their texts: the open list shows them whole.
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0));
}

}  // namespace

void TextTargets::AddCaption(QObject* control, const char* key) {
    captions_.push_back({control, key});
}

void TextTargets::AddHint(QWidget* control, const char* key) {
    hints_.push_back({control, key});
}

void TextTargets::AddItems(QComboBox* box, std::span<const char* const> keys) {
    items_.push_back({box, keys});
}

void TextTargets::Apply(const TLangList& table) const {
    for (const Caption& caption : captions_) {
        SetCaption(caption.control, Tr(table, caption.key));
    }
    for (const Items& items : items_) {
        SetItemTexts(table, items.box, items.keys);
    }
    for (const Hint& hint : hints_) {
        hint.control->setToolTip(WrapHint(Tr(table, hint.key)));
    }
}

}  // namespace dtu
