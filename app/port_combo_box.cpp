#include "app/port_combo_box.h"

#include <QAbstractItemView>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace dtu {

namespace {

constexpr int kDescriptionRole = Qt::UserRole;

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
        // Picking an entry replaces the free text for good.
        if (index >= 0) {
            setPlaceholderText({});
        }
        ShowDescriptionHint();
    });
}

void PortComboBox::SetPorts(const std::vector<PortInfo>& ports) {
    const QString shown = Text();
    // An adapter plugged in again may come back under another number.
    const int chosen = currentIndex();
    const QString wanted =
        chosen >= 0 && !ports_[static_cast<std::size_t>(chosen)].byId.empty()
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
        const int index = FindPort(wanted);
        setCurrentIndex(index);
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

void PortComboBox::ShowDescriptionHint() {
    setToolTip(currentIndex() >= 0 ? itemData(currentIndex(), kDescriptionRole).toString()
                                   : QString());
}

}  // namespace dtu
