#include "colour/codenotation.h"

#include "colour/colourspace.h"
#include "colour/conversions.h"
#include "colour/tailwindpalette.h"

#include <QRegularExpression>
#include <cmath>
#include <numbers>

namespace tincta {

namespace {

// A channel as a fraction of its full value with three decimals, "0.200" for 51.
QString fractionText(int channel) {
    return QString::number(channel / 255.0, 'f', 3);
}

// "FF336699": an opaque alpha in front of red, green and blue.
QString argbHex(const Colour& colour) {
    return QLatin1String("FF") + hexTriplet(colour).sliced(1);
}

Oklab tailwindOklab(const TailwindColour& entry) {
    const double hue = entry.hue * std::numbers::pi / 180.0;
    return {entry.lightness, entry.chroma * std::cos(hue), entry.chroma * std::sin(hue)};
}

double distance(const Oklab& first, const Oklab& second) {
    return std::hypot(first.lightness - second.lightness, first.a - second.a, first.b - second.b);
}

} // namespace

QString argbColorText(const Colour& colour) {
    return QStringLiteral("Color(0x%1)").arg(argbHex(colour));
}

QString swiftUiText(const Colour& colour) {
    return QStringLiteral("Color(red: %1, green: %2, blue: %3)")
        .arg(fractionText(colour.red), fractionText(colour.green), fractionText(colour.blue));
}

QString qmlText(const Colour& colour) {
    return QStringLiteral("Qt.rgba(%1, %2, %3, 1.0)")
        .arg(fractionText(colour.red), fractionText(colour.green), fractionText(colour.blue));
}

QString qColorText(const Colour& colour) {
    return QStringLiteral("QColor(%1, %2, %3)").arg(colour.red).arg(colour.green).arg(colour.blue);
}

QString androidResourceName(const QString& markName, int markNumber) {
    static const QRegularExpression others(QStringLiteral("[^a-z0-9_]+"));
    QString name = markName.toLower().replace(others, QStringLiteral("_"));
    if (name.isEmpty() || name == QLatin1String("_"))
        return QStringLiteral("colour_%1").arg(markNumber);
    if (name.front().isDigit())
        name.prepend(QStringLiteral("colour_"));
    return name;
}

QString androidXmlText(const Colour& colour, const QString& resourceName) {
    return QStringLiteral("<color name=\"%1\">#%2</color>").arg(resourceName, argbHex(colour));
}

TailwindMatch nearestTailwindColour(const Colour& colour) {
    const Oklab lab = toOklab(colour);
    const TailwindColour* nearest = &tailwindPalette.front();
    double nearestDistance = distance(lab, tailwindOklab(*nearest));
    for (const TailwindColour& entry : tailwindPalette) {
        const double d = distance(lab, tailwindOklab(entry));
        if (d < nearestDistance) {
            nearest = &entry;
            nearestDistance = d;
        }
    }
    return {QLatin1String(nearest->stem), nearestDistance};
}

QString tailwindMatchText(const TailwindMatch& match) {
    return QStringLiteral("%1, \u0394E %2").arg(match.stem, QString::number(match.deltaE, 'f', 3));
}

} // namespace tincta
