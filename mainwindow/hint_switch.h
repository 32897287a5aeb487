#pragma once

#include <QObject>
#include <QString>

namespace dtu {

// A hover hint broken into lines of about `columns` characters (a CJK character
// counts two): before a CJK character, else at the last blank, else where the
// line is full. Line breaks in it are kept.
QString WrapHint(const QString& text, int columns = 60);

// The application-wide hover-hint switch: while off, no tooltip is shown anywhere.
class HintSwitch : public QObject {
    Q_OBJECT
public:
    explicit HintSwitch(QObject* parent);
    ~HintSwitch() override;

    bool IsOn() const { return on_; }
    void SetOn(bool on) { on_ = on; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool on_ = true;
};

}  // namespace dtu
