#pragma once

#include <QComboBox>
#include <QString>

namespace dtu {

// A pick-only drop-down that can also show a free text no item matches (a stored
// port that is not present now): the text is shown while no item is selected and
// is what Text() returns then. Reports when its list is about to drop down and
// when it has closed up.
class PortComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit PortComboBox(QWidget* parent);

    // Selects the item `text` when the list holds it, else shows `text` with no selection.
    void SetText(const QString& text);
    QString Text() const;

    void showPopup() override;
    void hidePopup() override;

signals:
    void dropDown();
    void closeUp();

private:
    bool dropped_ = false;
};

}  // namespace dtu
