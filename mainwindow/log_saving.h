#pragma once

#include <QString>

class QWidget;

namespace dtu {

class InfoArea;
class TLangList;

// Saving the log to a file the user names, starting in the folder last saved to.
class LogSaving {
public:
    LogSaving(QWidget* window, const TLangList& language, InfoArea& info);

    // Asks for the file; a name without a suffix takes the chosen filter's.
    void AskAndSave();
    // Writes the log to `path` (HTML for a ".html" name), telling the user when
    // it cannot.
    void SaveTo(const QString& path);

    // The folder last saved to, as the settings file keeps it.
    QString folder;

private:
    QWidget* window_;
    const TLangList& language_;
    InfoArea& info_;
};

}  // namespace dtu
