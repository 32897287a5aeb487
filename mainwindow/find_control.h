#pragma once

#include <QObject>
#include <QString>

namespace dtu {

// The control named `name` below `root`. Every name asked for is one the form
// creates, so a missing one is a defect of the program, not of its input.
template <class T>
T* FindControl(const QObject* root, const QString& name) {
    T* control = root->findChild<T*>(name);
    if (control == nullptr) {
        qFatal("no control named %s", qPrintable(name));
    }
    return control;
}

}  // namespace dtu
