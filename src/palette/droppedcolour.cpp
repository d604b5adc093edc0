#include "palette/droppedcolour.h"

#include "colour/colourtables.h"
#include "palette/paletteexchange.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace tincta {

namespace {

constexpr QLatin1StringView rgbOpen{"rgb("};
constexpr QLatin1StringView rgbaOpen{"rgba("};
constexpr QLatin1StringView noneKeyword{"none"};
constexpr QChar percentSign{u'%'};
constexpr qsizetype shortHexLength = 4;

// "#RGB" stands for "#RRGGBB".
std::optional<Colour> colourFromShortHex(QStringView text) {
    if (text.size() != shortHexLength || !text.startsWith(u'#')) {
        return std::nullopt;
    }
    QString longHex(QLatin1Char('#'));
    for (const QChar digit : text.sliced(1)) {
        longHex += digit;
        longHex += digit;
    }
    return colourFromHex(longHex);
}

std::optional<Colour> colourFromName(const QString& name) {
    const ColourTables& tables = colourTables();
    const auto found =
        std::find(tables.javaScriptNames.begin(), tables.javaScriptNames.end(), name);
    if (found == tables.javaScriptNames.end()) {
        return std::nullopt;
    }
    return unpack(tables.javaScriptColours[found - tables.javaScriptNames.begin()]);
}

std::optional<double> cssNumber(QStringView text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+|\\d*\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!number.match(text).hasMatch()) {
        return std::nullopt;
    }
    return text.toDouble();
}

// A channel as a number 0..255, a percentage or "none" (0), clamped and rounded as CSS does;
// the scale of a percentage is `percentScale` (2.55 for a channel, 0.01 for alpha).
std::optional<double> cssValue(QStringView text, double percentScale) {
    if (text == noneKeyword) {
        return 0.0;
    }
    const bool percent = text.endsWith(percentSign);
    const std::optional<double> number = cssNumber(percent ? text.chopped(1) : text);
    if (!number) {
        return std::nullopt;
    }
    return percent ? *number * percentScale : *number;
}

int channelFrom(double value) {
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 255.0)));
}

// The values inside the brackets: "r, g, b[, a]" or "r g b[ / a]".
std::optional<Colour> colourFromRgbValues(QStringView inside) {
    QList<QStringView> values;
    QStringView alpha;
    if (inside.contains(u',')) {
        values = inside.split(u',');
        if (values.size() == 4) {
            alpha = values.takeLast();
        }
    } else {
        const QList<QStringView> parts = inside.split(u'/');
        if (parts.size() > 2) {
            return std::nullopt;
        }
        values = parts[0].split(u' ', Qt::SkipEmptyParts);
        alpha = parts.size() == 2 ? parts[1] : QStringView();
    }
    constexpr double channelPercent = 2.55;
    constexpr double alphaPercent = 0.01;
    if (values.size() != 3 || (!alpha.isNull() && !cssValue(alpha.trimmed(), alphaPercent))) {
        return std::nullopt;
    }
    std::array<int, 3> channels{};
    for (qsizetype i = 0; i < 3; ++i) {
        const std::optional<double> value = cssValue(values[i].trimmed(), channelPercent);
        if (!value) {
            return std::nullopt;
        }
        channels[i] = channelFrom(*value);
    }
    return Colour{channels[0], channels[1], channels[2]};
}

std::optional<Colour> colourFromRgb(QStringView text) {
    const qsizetype open = text.startsWith(rgbOpen)    ? rgbOpen.size()
                           : text.startsWith(rgbaOpen) ? rgbaOpen.size()
                                                       : -1;
    if (open < 0 || !text.endsWith(u')')) {
        return std::nullopt;
    }
    return colourFromRgbValues(text.sliced(open).chopped(1));
}

} // namespace

std::optional<Colour> colourFromDroppedText(const QString& text) {
    const QString cleaned = text.trimmed().toLower();
    if (cleaned.startsWith(u'#')) {
        const std::optional<Colour> colour = colourFromHex(cleaned);
        return colour ? colour : colourFromShortHex(cleaned);
    }
    if (const std::optional<Colour> colour = colourFromRgb(cleaned)) {
        return colour;
    }
    return colourFromName(cleaned);
}

} // namespace tincta
