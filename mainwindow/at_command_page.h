#pragma once

#include <QObject>

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace dtu {

class DigitsOnlyFilter;
class NamedControls;

// The AT-command page: the firmware-version button and the SMS sender.
class AtCommandPage : public QObject {
public:
    // Lays out the page's controls on `page`, which owns the page.
    AtCommandPage(QWidget* page, DigitsOnlyFilter* digitsOnly, NamedControls& named);

    QPushButton* VersionButton() const { return version_; }
    QPushButton* SendSmsButton() const { return sendSms_; }

protected:
    // Enter in the message beeps: a message is one line.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* version_ = nullptr;
    QPlainTextEdit* message_ = nullptr;
    QPushButton* sendSms_ = nullptr;
};

}  // namespace dtu
