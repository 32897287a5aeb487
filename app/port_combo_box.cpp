#include "app/port_combo_box.h"

#include <QAbstractItemView>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "serial/net_port_name.h"

namespace dtu {

namespace {

constexpr int kDescriptionRole = Qt::UserRole;
// What the style keeps between the edit field's edge and its text.
constexpr int kFieldTextMargin = 4;

// Entries of the open list: the path, then the description.
class PortEntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString description = index.data(kDescriptionRole).toString();
        if (!description.isEmpty()) {
            option->text += QStringLiteral("    ") + description;
        }
    }
};

}  // namespace

PortComboBox::PortComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (IsAddEntry(index)) {
            return;  // no port: the one shown before comes back when it is activated
        }
        lastPort_ = index;
        // Picking an entry replaces the free text for good.
        if (index >= 0) {
            setPlaceholderText({});
        }
        ShowDescriptionHint();
    });
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (IsAddEntry(index)) {
            {
                const QSignalBlocker quiet(this);
                setCurrentIndex(lastPort_);
            }
            emit addRequested();
        }
    });
}

void PortComboBox::SetAddEntryText(const QString& text) {
    const QSignalBlocker quiet(this);
    if (IsAddEntry(count() - 1)) {
        removeItem(count() - 1);
    }
    addText_ = text;
    AppendAddEntry();
}

void PortComboBox::AppendAddEntry() {
    if (!addText_.isEmpty()) {
        addItem(addText_);
    }
}

bool PortComboBox::IsAddEntry(int index) const {
    return !addText_.isEmpty() && index >= 0 && static_cast<std::size_t>(index) == ports_.size();
}

void PortComboBox::SetPorts(const std::vector<PortInfo>& ports) {
    const QString shown = Text();
    // An adapter plugged in again may come back under another number.
    const int chosen = currentIndex();
    const QString wanted =
        chosen >= 0 && !IsAddEntry(chosen) && !ports_[static_cast<std::size_t>(chosen)].byId.empty()
            ? QString::fromStdString(ports_[static_cast<std::size_t>(chosen)].byId)
            : shown;
    {
        // The rebuild itself selects the first entry; that is no choice of the user's.
        const QSignalBlocker quiet(this);
        clear();
        ports_ = ports;
        for (const PortInfo& port : ports_) {
            addItem(QString::fromStdString(port.path));
            setItemData(count() - 1, QString::fromStdString(PortDescription(port)),
                        kDescriptionRole);
        }
        AppendAddEntry();
        const int index = FindPort(wanted);
        setCurrentIndex(index);
        lastPort_ = index;
        setPlaceholderText(index < 0 ? shown : QString());
    }
    ShowDescriptionHint();
}

int PortComboBox::FindPort(const QString& text) const {
    return FindStoredPort(text.toStdString(), ports_);
}

void PortComboBox::SetText(const QString& text) {
    const int index = FindPort(text);
    setCurrentIndex(index);
    lastPort_ = index;
    setPlaceholderText(index < 0 ? text : QString());
}

QString PortComboBox::Text() const {
    return currentIndex() >= 0 ? currentText() : placeholderText();
}

void PortComboBox::showPopup() {
    emit dropDown();
    // The open list comes into being here: made with the box, it was a good
    // part of the port window's start-up.
    if (!describing_) {
        setItemDelegate(new PortEntryDelegate(this));
        describing_ = true;
    }
    // Measured here rather than with every new list: laying out each entry's
    // text is the dearest part of filling the box, and only the open list needs it.
    view()->setMinimumWidth(view()->sizeHintForColumn(0));
    QComboBox::showPopup();
}

void PortComboBox::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideMiddle,
                                                  field.width() - kFieldTextMargin);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void PortComboBox::ShowDescriptionHint() {
    const QString description =
        currentIndex() >= 0 ? itemData(currentIndex(), kDescriptionRole).toString() : QString();
    // A network port has no description; its name, often too long for the box, stands in.
    const QString name = Text();
    setToolTip(description.isEmpty() && HasNetScheme(name.toStdString()) ? name : description);
}

}  // namespace dtu
