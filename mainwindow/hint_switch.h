#pragma once

#include <QObject>

namespace dtu {

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
