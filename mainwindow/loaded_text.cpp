#include "mainwindow/loaded_text.h"

#include <QByteArray>
#include <QObject>
#include <QVariant>

namespace dtu {

namespace {

constexpr const char* kLoadedBytes = "dtuLoadedBytes";
constexpr const char* kLoadedText = "dtuLoadedText";

}  // namespace

void RememberLoadedText(QObject* control, const std::string& stored, const QString& shown) {
    control->setProperty(kLoadedBytes, QByteArray::fromStdString(stored));
    control->setProperty(kLoadedText, shown);
}

std::string TextToSave(const QObject* control, const QString& shown, std::string converted) {
    const QVariant loadedText = control->property(kLoadedText);
    if (loadedText.isValid() && loadedText.toString() == shown) {
        return control->property(kLoadedBytes).toByteArray().toStdString();
    }
    return converted;
}

}  // namespace dtu
