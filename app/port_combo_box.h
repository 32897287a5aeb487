#pragma once

#include <QComboBox>
#include <QString>
#include <vector>

#include "serial/port_identity.h"

namespace dtu {

// The pick-only list of serial ports. Each entry is a port's path; the open list
// shows its description beside it, and the closed box shows it as a hint.
//
// The box can also show a free text no entry matches (a stored port that is not
// present now): the text is shown while no entry is selected and is what Text()
// returns then. Reports when its list is about to drop down.
class PortComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit PortComboBox(QWidget* parent);

    // Replaces the entries and never picks a port of its own accord: the port
    // shown stays selected while it is listed, a free text is selected as soon as
    // an entry matches it (by path or by-id name), and a chosen port that has
    // gone is kept as free text with no selection.
    void SetPorts(const std::vector<PortInfo>& ports);

    // The entry that `text` names (its path or by-id name); -1 for none.
    int FindPort(const QString& text) const;

    // Selects the entry that `text` names (its path or by-id name), else shows
    // `text` with no selection.
    void SetText(const QString& text);
    QString Text() const;

    // An entry after the ports that asks for a port to be added rather than
    // naming one; choosing it keeps the port shown and emits addRequested.
    // An empty text removes it.
    void SetAddEntryText(const QString& text);

    void showPopup() override;

protected:
    // A long name (a network port's) is elided in the middle, so its port
    // number stays in view; the tooltip gives it whole.
    void paintEvent(QPaintEvent* event) override;

signals:
    void dropDown();
    void addRequested();

private:
    void ShowDescriptionHint();
    void AppendAddEntry();
    bool IsAddEntry(int index) const;

    std::vector<PortInfo> ports_;
    bool describing_ = false;  // the open list shows descriptions
    QString addText_;
    int lastPort_ = -1;  // the entry shown before the add entry was chosen
};

}  // namespace dtu
