#include "mainwindow/form_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "mainwindow/named_controls.h"
#include "mainwindow/typing_limit.h"
#include "widgets/form_text.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

// Asks for the class the field's kind is shown in, so a control of another
// class counts as missing instead of being cast to what it is not.
QWidget* ControlOfKind(NamedControls& controls, const FieldRow& row) {
    switch (row.kind) {
        case FieldKind::Text:
            return controls.Find<QLineEdit>(row.control);
        case FieldKind::Memo:
            return controls.Find<QPlainTextEdit>(row.control);
        case FieldKind::Item:
            return controls.Find<QComboBox>(row.control);
        case FieldKind::Tick:
            return controls.Find<QCheckBox>(row.control);
    }
    return nullptr;
}

}  // namespace

FormBinder::FormBinder(QObject* parent, NamedControls& controls, FormModel& model)
    : QObject(parent), model_(model) {
    for (const FieldRow& row : FormFields()) {
        if (QWidget* control = ControlOfKind(controls, row)) {
            controls_[static_cast<std::size_t>(row.field)] = control;
            Connect(row.field);
        }
    }
}

void FormBinder::Connect(Field field) {
    const FieldRow& row = RowOf(field);
    QWidget* control = Control(field);
    const auto take = [this, field] { Take(field); };
    switch (row.kind) {
        case FieldKind::Text: {
            auto* edit = static_cast<QLineEdit*>(control);
            if (row.typingLimit > 0) {
                auto* limit = new TypingLimit(edit, row.typingLimit);
                limits_[static_cast<std::size_t>(field)] = limit;
                edit->setValidator(limit);
            }
            connect(edit, &QLineEdit::textChanged, this, take);
            break;
        }
        case FieldKind::Memo:
            connect(static_cast<QPlainTextEdit*>(control), &QPlainTextEdit::textChanged, this,
                    take);
            break;
        case FieldKind::Item: {
            auto* combo = static_cast<QComboBox*>(control);
            if (!row.items.empty()) {
                combo->clear();
                for (const char* item : row.items) {
                    combo->addItem(QString::fromLatin1(item));
                }
            }
            connect(combo, &QComboBox::currentIndexChanged, this, take);
            break;
        }
        case FieldKind::Tick:
            connect(static_cast<QCheckBox*>(control), &QCheckBox::toggled, this, take);
            break;
    }
}

void FormBinder::Take(Field field) {
    if (showing_) {
        return;
    }
    QWidget* control = Control(field);
    switch (RowOf(field).kind) {
        case FieldKind::Text:
            model_.SetText(field, ToGbk(static_cast<QLineEdit*>(control)->text()));
            break;
        case FieldKind::Memo:
            model_.SetText(field, MemoText(static_cast<QPlainTextEdit*>(control)));
            break;
        case FieldKind::Item:
            model_.SetItem(field, static_cast<QComboBox*>(control)->currentIndex());
            break;
        case FieldKind::Tick:
            model_.SetTick(field, static_cast<QCheckBox*>(control)->isChecked());
            break;
    }
    // The values may refuse a change (a box that must stay ticked).
    Show(field);
}

void FormBinder::Show(Field field) {
    QWidget* control = Control(field);
    if (control == nullptr) {
        return;
    }
    const bool wasShowing = showing_;
    showing_ = true;
    switch (RowOf(field).kind) {
        case FieldKind::Text: {
            auto* edit = static_cast<QLineEdit*>(control);
            const QString text = FromGbk(model_.Text(field));
            if (edit->text() != text) {
                if (TypingLimit* limit = limits_[static_cast<std::size_t>(field)]) {
                    limit->KeepWhole(text);
                }
                edit->setText(text);
            }
            break;
        }
        case FieldKind::Memo: {
            auto* memo = static_cast<QPlainTextEdit*>(control);
            if (MemoText(memo) != model_.Text(field)) {
                SetMemoText(memo, model_.Text(field));
            }
            break;
        }
        case FieldKind::Item:
            static_cast<QComboBox*>(control)->setCurrentIndex(model_.Item(field));
            break;
        case FieldKind::Tick:
            static_cast<QCheckBox*>(control)->setChecked(model_.Tick(field));
            break;
    }
    showing_ = wasShowing;
}

void FormBinder::ShowAll() {
    for (const FieldRow& row : FormFields()) {
        Show(row.field);
    }
}

}  // namespace dtu
