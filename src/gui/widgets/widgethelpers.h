#pragma once

#include <QLatin1StringView>
#include <QString>

namespace tincta {

// The windows were first laid out in twips; at 96 dots per inch 15 twips make one pixel. Pixels
// here are device-independent, so high-DPI scaling is left to Qt.
inline constexpr int twipsPerPixel = 15;

// Rounds half up, so that 708 twips (47.2 pixels) and 250 twips (16.67 pixels) land on the
// nearest whole pixel.
constexpr int twipsToPixels(int twips) {
    return (2 * twips + twipsPerPixel) / (2 * twipsPerPixel);
}

// Gives a new control the name tests and people find it by, and returns it.
template <typename T> T* named(T* object, const QString& name) {
    object->setObjectName(name);
    return object;
}

template <typename T> T* named(T* object, const char* name) {
    return named(object, QString(QLatin1StringView(name)));
}

} // namespace tincta
