#pragma once

#include <QGroupBox>

class QCheckBox;
class QProgressBar;

namespace dtu {

class DigitsOnlyFilter;
class InfoArea;
class LogFind;
class NamedControls;

// The information area's group: the log with its clear label, the hex-view
// switch, the find bar and the progress bar along the bottom edge.
class InfoGroup : public QGroupBox {
public:
    InfoGroup(QWidget* parent, DigitsOnlyFilter* digitsOnly, NamedControls& named);

    InfoArea* Log() const { return log_; }
    LogFind* Find() const { return find_; }
    QProgressBar* Progress() const { return progress_; }
    QWidget* ClearLabel() const { return clear_; }
    // Received blocks also go to the log as hex.
    bool HexViewOn() const;

private:
    QWidget* clear_ = nullptr;
    InfoArea* log_ = nullptr;
    QCheckBox* hexView_ = nullptr;
    LogFind* find_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

}  // namespace dtu
