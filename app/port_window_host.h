#pragma once

class QWidget;

namespace dtu {

class DeviceSession;
class IniFile;

// What the port window needs of the rest of the program. Behind it the main
// window may be built only on first use.
class PortWindowHost {
public:
    virtual ~PortWindowHost() = default;

    virtual DeviceSession& Session() = 0;
    // Null when no settings file was read.
    virtual IniFile* Settings() = 0;
    // The port is open: the window that works with it takes over.
    virtual void ShowPortOpened() = 0;
    // The language changed on the port window.
    virtual void ApplyTexts() = 0;
    // The chosen port settings were kept for reopening later.
    virtual void OfferReopen() = 0;
};

}  // namespace dtu
