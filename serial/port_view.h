#pragma once

#include <string>

namespace dtu {

// The parts of the main window that port control writes to. Texts are GBK bytes.
class PortView {
public:
    virtual ~PortView() = default;

    // First panel of the main window's status bar.
    virtual void SetPortStatus(const std::string& text) = 0;

    virtual void ShowTxLine(const std::string& text) = 0;
    virtual void ShowErrorLine(const std::string& text) = 0;

    // The reply timer. Arming a running timer does not restart its period.
    virtual void SetReplyTimerInterval(int milliseconds) = 0;
    virtual void ArmReplyTimer() = 0;
    virtual void DisarmReplyTimer() = 0;
};

}  // namespace dtu
