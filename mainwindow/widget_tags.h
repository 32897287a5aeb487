#pragma once

#include <QObject>
#include <QVariant>

namespace dtu {

// Handlers shared by a family of controls switch on the integer tag each one carries.
inline constexpr int kTagFullViewOnly = 1717;
inline constexpr int kTagCompactViewOnly = 7070;

inline int Tag(const QObject* object) {
    return object->property("tag").toInt();
}
inline void SetTag(QObject* object, int tag) {
    object->setProperty("tag", tag);
}

}  // namespace dtu
