#pragma once

#include <QLabel>

namespace dtu {

// A one-line label that shows as much of its text as its width allows, the end
// elided, and the whole text as its tooltip; widened, it shows more again.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent);

    void SetFullText(const QString& text);
    const QString& FullText() const { return full_; }

    // Takes whatever width its layout gives, however long its text.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Elide();

    QString full_;
};

}  // namespace dtu
