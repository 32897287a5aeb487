#include "mainwindow/form_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "mainwindow/digits_only_filter.h"
#include "mainwindow/named_controls.h"
#include "widgets/labelled_edit.h"

namespace dtu {

namespace {

constexpr int kLabelHeight = 16;
constexpr int kEditHeight = 21;
constexpr int kComboHeight = 20;
constexpr int kCheckHeight = 17;
constexpr int kButtonHeight = 25;
constexpr int kLabelWidth = 60;
constexpr int kCheckWidth = 60;

int UsualHeight(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return kLabelHeight;
        case ControlKind::Combo:
            return kComboHeight;
        case ControlKind::Check:
            return kCheckHeight;
        case ControlKind::Button:
            return kButtonHeight;
        default:
            return kEditHeight;
    }
}

int UsualWidth(ControlKind kind) {
    return kind == ControlKind::Check ? kCheckWidth : kLabelWidth;
}

QWidget* CreateWidget(QWidget* parent, const FormControl& row, DigitsOnlyFilter* digitsOnly) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(text, parent);
            label->setAlignment((row.flags & kRightAligned ? Qt::AlignRight : Qt::AlignLeft) |
                                Qt::AlignVCenter);
            return label;
        }
        case ControlKind::Edit:
        case ControlKind::LabelledEdit: {
            QLineEdit* edit;
            if (row.kind == ControlKind::LabelledEdit) {
                auto* labelled = new LabelledEdit(parent, row.name);
                labelled->SetLabelText(text);
                edit = labelled;
            } else {
                edit = new QLineEdit(text, parent);
            }
            if (row.flags & kDigitsOnly) {
                edit->installEventFilter(digitsOnly);
            }
            return edit;
        }
        case ControlKind::Combo: {
            auto* combo = new QComboBox(parent);
            if (!text.isEmpty()) {
                combo->addItems(text.split(u'|'));
            }
            combo->setCurrentIndex(row.value);
            return combo;
        }
        case ControlKind::Check: {
            auto* check = new QCheckBox(text, parent);
            check->setChecked(row.flags & kChecked);
            if (row.flags & kRightAligned) {
                check->setLayoutDirection(Qt::RightToLeft);
            }
            return check;
        }
        case ControlKind::Button:
            return new QPushButton(text, parent);
        case ControlKind::Memo: {
            auto* memo = new QPlainTextEdit(text, parent);
            memo->setVerticalScrollBarPolicy(row.flags & kVerticalScroll ? Qt::ScrollBarAlwaysOn
                                                                         : Qt::ScrollBarAsNeeded);
            return memo;
        }
        case ControlKind::Group:
            return new QGroupBox(text, parent);
    }
    return nullptr;
}

}  // namespace

QWidget* CreateControl(QWidget* parent, const FormControl& row, DigitsOnlyFilter* digitsOnly,
                       NamedControls& named) {
    QWidget* widget = CreateWidget(parent, row, digitsOnly);
    widget->setObjectName(row.name);
    widget->setGeometry(row.left, row.top, row.width > 0 ? row.width : UsualWidth(row.kind),
                        row.height > 0 ? row.height : UsualHeight(row.kind));
    if (auto* labelled = qobject_cast<LabelledEdit*>(widget)) {
        labelled->PlaceLabel();
    }
    if (row.flags & kDisabled) {
        widget->setEnabled(false);
    }
    if (row.flags & kHidden) {
        widget->hide();
    }
    named.Record(widget);
    return widget;
}

}  // namespace dtu
