#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace dtu {

// The window's named controls, recorded as the layout creates them, so that
// tables keyed by control name are resolved once, without searching the window.
class NamedControls {
public:
    // Records `control` under its objectName; the first one recorded keeps a name.
    void Record(QObject* control);

    // The control recorded under `name`, when it is a T; otherwise nullptr, and
    // the name is kept among Missing().
    template <class T>
    T* Find(std::string_view name) {
        T* control = qobject_cast<T*>(Recorded(name));
        if (control == nullptr) {
            missing_.emplace_back(name);
        }
        return control;
    }

    // Names asked for that no control of the asked kind carries: a defect of
    // the tables, never of the user's input.
    const std::vector<std::string>& Missing() const { return missing_; }

private:
    QObject* Recorded(std::string_view name) const;

    std::map<std::string, QObject*, std::less<>> byName_;
    std::vector<std::string> missing_;
};

}  // namespace dtu
