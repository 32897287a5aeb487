#pragma once

#include <string>

#include "protocol/form_values.h"
#include "serial/port_view.h"

namespace dtu {

// Everything of the main window the protocol engine reaches. Texts are GBK bytes.
class EngineWindow : public PortView {
public:
    // Information area, beside the blue and red lines of PortView.
    virtual void ShowRxLine(const std::string& text) = 0;    // green
    virtual void ShowInfoLine(const std::string& text) = 0;  // window-text colour

    // The progress bar of a running command list, hidden at rest.
    virtual void ShowProgress() = 0;
    virtual void SetProgressRange(int minimum, int maximum) = 0;
    virtual void SetProgressPosition(int position) = 0;
    virtual void HideProgress() = 0;

    // One reply line's name and value into the form. For "CIVER" the window
    // calls FirmwareFamily and then Engine::ApplyFirmwareFamily.
    virtual void DispatchReply(const std::string& name, const std::string& value) = 0;
    // The cloud, cache, reconnect and HTTP controls that follow the firmware family.
    virtual void EnableFamilyControls(bool enable) = 0;

    virtual FormValues ReadForm() const = 0;
    // Blanks the form the way a factory reset leaves the device.
    virtual void ResetFormForFactory() = 0;
};

}  // namespace dtu
