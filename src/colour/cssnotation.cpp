#include "colour/cssnotation.h"

#include "colour/colourspace.h"
#include "colour/conversions.h"

#include <QList>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace tincta {

namespace {

// numerator / denominator for a numerator >= 0 and a denominator > 0, rounded to the nearest
// whole number with exact halves rounded up (away from zero). The hsl() values are ratios of
// whole channel values, so they are rounded here exactly: 2.5 % gives 3 %, never 2 % from a
// floating-point quotient a hair below the half.
int roundedQuotient(int numerator, int denominator) {
    return (2 * numerator + denominator) / (2 * denominator);
}

struct Hsl {
    int hue;
    int saturation;
    int lightness;
};

// The hue in degrees times the channel spread `spread`, in 0..360 * spread.
int scaledHue(const Colour& c, int largest, int spread) {
    if (largest == c.red) {
        const int hue = 60 * (c.green - c.blue);
        return hue < 0 ? hue + 360 * spread : hue;
    }
    if (largest == c.green) {
        return 60 * (c.blue - c.red) + 120 * spread;
    }
    return 60 * (c.red - c.green) + 240 * spread;
}

// The hue of hsl(), hwb() and hsv(): whole degrees 0..359, 0 for a grey.
int roundedHue(const Colour& c) {
    const int largest = std::max({c.red, c.green, c.blue});
    const int spread = largest - std::min({c.red, c.green, c.blue});
    return spread == 0 ? 0 : roundedQuotient(scaledHue(c, largest, spread), spread) % 360;
}

Hsl toRoundedHsl(const Colour& c) {
    const int largest = std::max({c.red, c.green, c.blue});
    const int smallest = std::min({c.red, c.green, c.blue});
    const int spread = largest - smallest;
    const int sum = largest + smallest;
    const int lightness = roundedQuotient(100 * sum, 2 * 255);
    if (spread == 0) {
        return {0, 0, lightness};
    }
    // Saturation is spread / (1 - |2L - 1|) with L = sum / 510; in channel units the divisor
    // is 255 - |sum - 255|, which is positive whenever the channels differ.
    const int saturation = roundedQuotient(100 * spread, 255 - std::abs(sum - 255));
    return {roundedHue(c), saturation, lightness};
}

// A non-negative value given in units of 10^-decimals as text: 865 with 1 decimal is "86.5".
QString fixedText(long long scaled, int decimals) {
    long long unit = 1;
    for (int i = 0; i < decimals; ++i) {
        unit *= 10;
    }
    return QString::number(scaled / unit) + QLatin1Char('.') +
           QString::number(scaled % unit).rightJustified(decimals, QLatin1Char('0'));
}

// The oklch() values come from irrational functions of the channels, so they are rounded from
// their double-precision value, exact halves away from zero as in hsl().
long long roundedScaled(double value, double scale) {
    return std::llround(value * scale);
}

// A value of either sign: -4.57 for -457 with 2 decimals.
QString signedFixedText(long long scaled, int decimals) {
    return scaled < 0 ? QLatin1Char('-') + fixedText(-scaled, decimals)
                      : fixedText(scaled, decimals);
}

// The value rounded half away from zero to `decimals` places, as text.
QString decimalText(double value, int decimals) {
    return signedFixedText(roundedScaled(value, std::pow(10.0, decimals)), decimals);
}

// The angle of (a, b) in degrees, 0..360, rounded to `decimals` places; 0 where the chroma is
// written as zero, since such a colour has no meaningful hue.
QString hueText(double a, double b, double chroma, int chromaDecimals, int decimals) {
    if (roundedScaled(chroma, std::pow(10.0, chromaDecimals)) == 0)
        return fixedText(0, decimals);
    double hue = std::atan2(b, a) * 180.0 / std::numbers::pi;
    if (hue < 0.0)
        hue += 360.0;
    const auto unit = static_cast<long long>(std::pow(10.0, decimals));
    return fixedText(roundedScaled(hue, static_cast<double>(unit)) % (360 * unit), decimals);
}

QString okLightnessValue(double lightness) {
    return fixedText(roundedScaled(lightness, 1000.0), 1);
}

// OKLab lightness 0..1 as a percentage with one decimal: rounded in thousandths of the unit, so
// that no product by 100 moves an exact half.
QString okLightnessText(double lightness) {
    return okLightnessValue(lightness) + QLatin1Char('%');
}

QString percentText(long long value) {
    return QString::number(value) + QLatin1Char('%');
}

// "name(first second third)": the space-separated functional notation of CSS Color 4.
QString cssFunctionText(QLatin1StringView name, const QString& first, const QString& second,
                        const QString& third) {
    return name + QLatin1Char('(') + first + QLatin1Char(' ') + second + QLatin1Char(' ') + third +
           QLatin1Char(')');
}

constexpr QLatin1StringView rgbOpen{"rgb("};
constexpr QLatin1StringView rgbaOpen{"rgba("};
constexpr QLatin1StringView noneKeyword{"none"};
constexpr QChar percentSign{u'%'};

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

} // namespace

std::optional<Colour> colourFromCssRgb(QStringView text) {
    const qsizetype open = text.startsWith(rgbOpen)    ? rgbOpen.size()
                           : text.startsWith(rgbaOpen) ? rgbaOpen.size()
                                                       : -1;
    if (open < 0 || !text.endsWith(u')')) {
        return std::nullopt;
    }
    return colourFromRgbValues(text.sliced(open).chopped(1));
}

QString cssRgbText(const Colour& colour) {
    return cssFunctionText(QLatin1StringView("rgb"), QString::number(colour.red),
                           QString::number(colour.green), QString::number(colour.blue));
}

CssValues cssHslValues(const Colour& colour) {
    const Hsl hsl = toRoundedHsl(colour);
    return {QString::number(hsl.hue), QString::number(hsl.saturation),
            QString::number(hsl.lightness)};
}

QString cssHslText(const Colour& colour) {
    const CssValues values = cssHslValues(colour);
    return cssFunctionText(QLatin1StringView("hsl"), values[0], values[1] + percentSign,
                           values[2] + percentSign);
}

CssValues cssOklchValues(const Colour& colour) {
    const Oklab lab = toOklab(colour);
    const double chroma = std::hypot(lab.a, lab.b);
    return {okLightnessValue(lab.lightness), decimalText(chroma, 3),
            hueText(lab.a, lab.b, chroma, 3, 1)};
}

QString cssOklchText(const Colour& colour) {
    const CssValues values = cssOklchValues(colour);
    return cssFunctionText(QLatin1StringView("oklch"), values[0] + percentSign, values[1],
                           values[2]);
}

QString cssHwbText(const Colour& c) {
    const int whiteness = roundedQuotient(100 * std::min({c.red, c.green, c.blue}), 255);
    const int blackness = roundedQuotient(100 * (255 - std::max({c.red, c.green, c.blue})), 255);
    return cssFunctionText(QLatin1StringView("hwb"), QString::number(roundedHue(c)),
                           percentText(whiteness), percentText(blackness));
}

QString cssLabText(const Colour& colour) {
    const CieLab lab = toCieLab(colour);
    return cssFunctionText(QLatin1StringView("lab"),
                           decimalText(lab.lightness, 2) + QLatin1Char('%'), decimalText(lab.a, 2),
                           decimalText(lab.b, 2));
}

QString cssLchText(const Colour& colour) {
    const CieLab lab = toCieLab(colour);
    const double chroma = std::hypot(lab.a, lab.b);
    return cssFunctionText(QLatin1StringView("lch"),
                           decimalText(lab.lightness, 2) + QLatin1Char('%'), decimalText(chroma, 2),
                           hueText(lab.a, lab.b, chroma, 2, 1));
}

QString cssOklabText(const Colour& colour) {
    const Oklab lab = toOklab(colour);
    return cssFunctionText(QLatin1StringView("oklab"), okLightnessText(lab.lightness),
                           decimalText(lab.a, 3), decimalText(lab.b, 3));
}

QString cssDisplayP3Text(const Colour& colour) {
    const LinearRgb p3 = toDisplayP3(colour);
    return QStringLiteral("color(display-p3 %1 %2 %3)")
        .arg(decimalText(p3.red, 3), decimalText(p3.green, 3), decimalText(p3.blue, 3));
}

QString cssHex8Text(const Colour& colour) {
    return hexTriplet(colour) + QLatin1String("FF");
}

QString cssRgbaText(const Colour& colour) {
    return QStringLiteral("rgba(%1, %2, %3, 1)").arg(colour.red).arg(colour.green).arg(colour.blue);
}

QString hsvText(const Colour& c) {
    const int largest = std::max({c.red, c.green, c.blue});
    const int spread = largest - std::min({c.red, c.green, c.blue});
    const int saturation = largest == 0 ? 0 : roundedQuotient(100 * spread, largest);
    return QStringLiteral("hsv(%1, %2, %3)")
        .arg(QString::number(roundedHue(c)), percentText(saturation),
             percentText(roundedQuotient(100 * largest, 255)));
}

} // namespace tincta
