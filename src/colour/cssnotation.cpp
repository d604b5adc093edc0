#include "colour/cssnotation.h"

#include "colour/colourspace.h"
#include "colour/conversions.h"

#include <algorithm>
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

// Appends a non-negative value given in units of 10^-decimals ("865", 1 gives "86.5").
void appendFixed(QString& out, long long scaled, int decimals) {
    long long unit = 1;
    for (int i = 0; i < decimals; ++i) {
        unit *= 10;
    }
    appendDecimal(out, scaled / unit);
    out.append(QLatin1Char('.'));
    out.append(QString::number(scaled % unit).rightJustified(decimals, QLatin1Char('0')));
}

// The oklch() values come from irrational functions of the channels, so they are rounded from
// their double-precision value, exact halves away from zero as in hsl().
long long roundedScaled(double value, double scale) {
    return std::llround(value * scale);
}

} // namespace

QString cssRgbText(const Colour& colour) {
    QString text = QStringLiteral("rgb(");
    appendDecimal(text, colour.red);
    text.append(QLatin1Char(' '));
    appendDecimal(text, colour.green);
    text.append(QLatin1Char(' '));
    appendDecimal(text, colour.blue);
    text.append(QLatin1Char(')'));
    return text;
}

QString cssHslText(const Colour& colour) {
    const Hsl hsl = toRoundedHsl(colour);
    QString text = QStringLiteral("hsl(");
    appendDecimal(text, hsl.hue);
    text.append(QLatin1Char(' '));
    appendDecimal(text, hsl.saturation);
    text.append(QLatin1StringView("% "));
    appendDecimal(text, hsl.lightness);
    text.append(QLatin1StringView("%)"));
    return text;
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
    QString text = QStringLiteral("oklch(");
    appendFixed(text, lightnessTenths, 1);
    text.append(QLatin1StringView("% "));
    appendFixed(text, chromaThousandths, 3);
    text.append(QLatin1Char(' '));
    appendFixed(text, hueTenths, 1);
    text.append(QLatin1Char(')'));
    return text;
}

} // namespace tincta
