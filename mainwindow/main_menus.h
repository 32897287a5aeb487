#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QShortcut;

namespace dtu {

class HintSwitch;
class InfoArea;
class NamedControls;
class TLangList;

// An action named for the tables that give it its texts, recorded among the
// window's named controls. It keeps the number it always carried as its "tag"
// property.
QAction* NewNamedAction(QObject* parent, const char* name, int tag, const char* caption,
                        NamedControls& named);

// What the menu entries do, supplied by the window that owns the form.
struct MenuCommands {
    std::function<void()> factoryReset;
    std::function<void()> readAll;
    std::function<void()> writeAll;
    std::function<void()> compare;
    std::function<void()> exportProfile;
    std::function<void()> importProfile;
    std::function<void()> deviceList;
    std::function<void()> closePort;
    std::function<void()> saveLog;
    std::function<void()> quit;
    std::function<void()> reopen;
    std::function<void()> switchLanguage;
    std::function<void()> about;
};

// The menu bar: File, the F8 entry, the language switch and Help. The two
// checkable entries follow the information area's time stamps and the hints.
class MainMenus : public QObject {
public:
    MainMenus(QMainWindow* window, NamedControls& named, const TLangList& language, InfoArea& info,
              HintSwitch& hints, MenuCommands commands);

    // F8's entry shows once a port opened from the port window; till then F8
    // works through a shortcut of its own.
    void SetReopenVisible(bool visible);
    // The ticks of the time-stamp and hint entries, as their switches are now.
    void ShowChecks();
    // A customised tool has no help menu.
    void HideHelp();

private:
    QAction* AddItem(QMenu* menu, const char* name, int tag, const char* caption,
                     const std::function<void()>& run);
    void BuildFile(QMenu* file);
    void BuildHelp(QMenu* help);

    QMainWindow* window_;
    NamedControls& named_;
    const TLangList& language_;
    InfoArea& info_;
    HintSwitch& hints_;
    MenuCommands commands_;
    QAction* reopenItem_ = nullptr;
    QShortcut* reopenShortcut_ = nullptr;
    QAction* timeStampsItem_ = nullptr;
    QAction* hintsItem_ = nullptr;
    QMenu* helpMenu_ = nullptr;
};

}  // namespace dtu
