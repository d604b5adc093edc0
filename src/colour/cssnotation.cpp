#include "colour/cssnotation.h"

#include "colour/colourspace.h"

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
    const int hue = roundedQuotient(scaledHue(c, largest, spread), spread) % 360;
    return {hue, saturation, lightness};
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

QString cssHslText(const Colour& colour) {
    const Hsl hsl = toRoundedHsl(colour);
    return cssFunctionText(QLatin1StringView("hsl"), QString::number(hsl.hue),
                           percentText(hsl.saturation), percentText(hsl.lightness));
}

QString cssOklchText(const Colour& colour) {
    const Oklab lab = toOklab(colour);
    const long long lightnessTenths = roundedScaled(lab.lightness, 1000.0);
    const long long chromaThousandths = roundedScaled(std::hypot(lab.a, lab.b), 1000.0);
    long long hueTenths = 0;
    // A chroma written as 0.000 has no meaningful hue (a grey's a and b are rounding noise).
    if (chromaThousandths != 0) {
        double hue = std::atan2(lab.b, lab.a) * 180.0 / std::numbers::pi;
        if (hue < 0.0) {
            hue += 360.0;
        }
        hueTenths = roundedScaled(hue, 10.0) % 3600;
    }
    return cssFunctionText(QLatin1StringView("oklch"),
                           fixedText(lightnessTenths, 1) + QLatin1Char('%'),
                           fixedText(chromaThousandths, 3), fixedText(hueTenths, 1));
}

} // namespace tincta
