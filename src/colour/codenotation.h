#pragma once

#include "colour/colour.h"

#include <QString>

namespace tincta {

// "Color(0xFF336699)": Flutter's Color, alpha first; Jetpack Compose writes the same.
QString argbColorText(const Colour& colour);

// "Color(red: 0.200, green: 0.400, blue: 0.600)": SwiftUI's Color, each channel / 255.
QString swiftUiText(const Colour& colour);

// "Qt.rgba(0.200, 0.400, 0.600, 1.0)": QML's colour function.
QString qmlText(const Colour& colour);

// "QColor(51, 102, 153)".
QString qColorText(const Colour& colour);

// The mark's name as an Android resource name: lower-case ASCII letters, digits and underscores,
// each run of other characters one underscore; "colour_N" (N counted from 1) where nothing is
// left, and a leading digit gets "colour_" in front, since a resource name starts with a letter.
QString androidResourceName(const QString& markName, int markNumber);

// "<color name="colour_name">#FF336699</color>": a colour resource of Android's res/values.
QString androidXmlText(const Colour& colour, const QString& resourceName);

struct TailwindMatch {
    QString stem;  // "sky-700"
    double deltaE; // the distance in OKLab
};

// The nearest colour of Tailwind CSS's default palette by distance in OKLab.
TailwindMatch nearestTailwindColour(const Colour& colour);

// "sky-700, ΔE 0.039".
QString tailwindMatchText(const TailwindMatch& match);

} // namespace tincta
