#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>

namespace dtu::test {

// A fresh folder for the settings and language files, named through
// DTUCONFIG_CONFIG_DIR for as long as the object lives.
class ConfigFolder {
public:
    ConfigFolder();
    ~ConfigFolder();

    QString Path() const { return dir_.path(); }
    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    // Writes Lx1Cfg.ini with `text` (INI lines, \n line ends).
    void WriteSettings(const QByteArray& text) const;

private:
    QTemporaryDir dir_;
};

// A pseudo-terminal whose far end stands in for a serial port.
class FakePort {
public:
    FakePort();
    ~FakePort();
    FakePort(const FakePort&) = delete;
    FakePort& operator=(const FakePort&) = delete;

    // Empty when no pseudo-terminal could be had.
    QString Path() const { return path_; }

private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
};

// Runs `closer` once the next modal window appears, with that window's text
// (a message box's text, else its title); gives up after a generous bound.
void OnNextModal(std::function<void(const QString& text)> seen);

// A baseline JPEG of the given size, noisy so that its data is not trivial.
QByteArray EncodeJpeg(int width, int height);

// `jpeg` with the size declared in its frame header replaced.
QByteArray WithDeclaredSize(QByteArray jpeg, int width, int height);

}  // namespace dtu::test
