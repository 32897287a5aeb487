#pragma once

#include <QLabel>
#include <QLineEdit>

namespace dtu {

// An edit with its caption on the left. The caption is a sibling label named
// "<name>_label" that is hidden, shown, enabled and disabled with the edit.
class LabelledEdit : public QLineEdit {
    Q_OBJECT
public:
    LabelledEdit(QWidget* parent, const QString& name);

    QLabel* Label() const { return label_; }
    void SetLabelText(const QString& text);

    void setVisible(bool visible) override;
    // Puts the caption beside the edit; moves of a shown edit do this by themselves.
    void PlaceLabel();

protected:
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* label_;
};

}  // namespace dtu
